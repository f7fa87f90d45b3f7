// The about window: its texts, the self-advance it ends, and the link handed
// to the shell in the way each platform family asks for.

#include "platform/PlatformInfo.h"
#include "support/WindowHarness.h"
#include "timing/SharedState.h"
#include "windows/AboutText.h"
#include "windows/CopyR.h"
#include "windows/frmWelcome.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

TEST(AboutWindow, ShowsTheProductAndItsMakers)
{
    ProgramUnderTest program;
    CopyR about(program.welcome());
    EXPECT_EQ(about.windowTitle(), "Copyright notice");
    EXPECT_EQ(about.size(), QSize(463, 196)) << "6945 x 2940 twips";
    EXPECT_EQ(about.Label3->text(), "Veltrin's Test (v1.1)");
    EXPECT_FALSE(about.Label1->text().isEmpty());
    EXPECT_FALSE(about.Label2->text().isEmpty());
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.Image1->size(), QSize(111, 143)) << "the control is the picture's size";
    EXPECT_EQ(about.Label5->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.Label5->toolTip(), about::linkText(about.address()));
    EXPECT_TRUE(about.address().startsWith("file://")) << "the guide shipped in the program folder";
    EXPECT_TRUE(about.address().endsWith("guide/index.html"));
}

TEST(AboutWindow, LinkTextDropsTheFinalSlash)
{
    EXPECT_EQ(about::linkText("http://example.org/"), "http://example.org");
    EXPECT_EQ(about::linkText("file:///opt/veltrin/guide/index.html"), "file:///opt/veltrin/guide/index.html");
}

TEST(AboutWindow, LoadingItEndsTheSelfAdvance)
{
    ProgramUnderTest program;
    {
        CopyR about(program.welcome());
    }
    EXPECT_EQ(program.welcome().shared().switch1(), 1);
}

TEST(AboutWindow, LinkOnTheWindowsNTFamilyUsesTheShellsOpen)
{
    ProgramUnderTest program;
    program.platform.id = kPlatformWindowsNT;
    CopyR about(program.welcome());
    QTest::mouseClick(about.Label5, Qt::LeftButton);
    ASSERT_EQ(program.shell.calls.size(), 1);
    EXPECT_EQ(program.shell.calls[0], "execute owner=yes op=open file=" + about.address() + " params=[] dir=[] show=0");
}

TEST(AboutWindow, LinkElsewhereRunsStartWithTheAddress)
{
    ProgramUnderTest program;
    program.platform.id = kPlatformOther;
    CopyR about(program.welcome());
    QTest::mouseClick(about.Label5, Qt::LeftButton);
    QTest::mouseClick(about.Label5, Qt::LeftButton);
    QTest::keyClick(about.Label5, Qt::Key_Space);
    ASSERT_EQ(program.shell.calls.size(), 3) << "once per click; the window stays open";
    EXPECT_EQ(program.shell.calls[0], "run [start " + about.address() + "] style=1");
}

} // namespace
} // namespace veltrin
