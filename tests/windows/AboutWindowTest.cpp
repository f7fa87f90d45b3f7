// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window: its texts, the self-advance it ends, the link handed to
// the desktop to open, and where the guide is when the desktop cannot open it.

#include "Version.h"
#include "engine/AboutText.h"
#include "support/WindowHarness.h"
#include "windows/CopyR.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

// The about window the welcome window's About opened, while it is open.
CopyR* openAbout(ProgramUnderTest& program)
{
    program.welcome().cmdAbout->click();
    return qobject_cast<CopyR*>(QApplication::activeModalWidget());
}

TEST(AboutWindow, ShowsTheProductAndItsMakers)
{
    ProgramUnderTest program;
    CopyR about(program.welcome().window, program.shell, program.messageBox, about::webAddress(program.folder.path()));
    const test::AboutView aboutView(&about);
    EXPECT_EQ(about.windowTitle(), "Copyright notice");
    EXPECT_EQ(about.size(), QSize(463, 196)) << "6945 x 2940 twips";
    EXPECT_EQ(aboutView.Label3->text(), QString("Veltrin's Test (v%1)").arg(version::kShort)) << "\"(v1.1)\" for 1.1.0";
    EXPECT_FALSE(aboutView.Label1->text().isEmpty());
    EXPECT_FALSE(aboutView.Label2->text().isEmpty());
    EXPECT_FALSE(aboutView.Image1->pixmap().isNull());
    EXPECT_EQ(aboutView.Image1->size(), QSize(111, 143)) << "the control is the picture's size";
    EXPECT_EQ(aboutView.Label5->toolTip(), about::linkText(about.address()));
    EXPECT_TRUE(about.address().startsWith("file://")) << "the guide shipped in the program folder";
    EXPECT_TRUE(about.address().endsWith("guide/index.html"));
}

TEST(AboutWindow, EveryTextFitsItsLabel)
{
    ProgramUnderTest program;
    CopyR about(program.welcome().window, program.shell, program.messageBox, about::webAddress(program.folder.path()));
    const test::AboutView aboutView(&about);
    for (const QLabel* label :
        {aboutView.Label1, aboutView.Label2, aboutView.Label3, aboutView.Label4, aboutView.Label5}) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString() << ": " << label->text().toStdString();
    }
    EXPECT_TRUE(aboutView.Label2->text().contains("GPL-3.0+")) << "how the program may be reused";
    EXPECT_TRUE(aboutView.Label2->toolTip().contains("Creative Commons Attribution 4.0"));
}

TEST(AboutWindow, TheLinkShowsItsAddressWithoutTheFinalSlash)
{
    ProgramUnderTest program;
    CopyR site(program.welcome().window, program.shell, program.messageBox, "http://example.org/");
    const test::AboutView siteView(&site);
    EXPECT_EQ(siteView.Label5->toolTip(), "http://example.org");
    CopyR guide(program.welcome().window, program.shell, program.messageBox, "file:///opt/veltrin/guide/index.html");
    const test::AboutView guideView(&guide);
    EXPECT_EQ(guideView.Label5->toolTip(), "file:///opt/veltrin/guide/index.html");
}

TEST(AboutWindow, OpeningItEndsTheSelfAdvance)
{
    ProgramUnderTest program;
    program.welcome().cmdAbout->click();
    test::settle();
    program.tick(30.0F);
    EXPECT_EQ(program.drive(), nullptr);
}

TEST(AboutWindow, EveryLinkClickOpensTheAddressAndTheWindowStaysOpen)
{
    ProgramUnderTest program;
    program.modals.then([](QWidget*) {}); // leave the about window open
    const QPointer<CopyR> about = openAbout(program);
    ASSERT_NE(about, nullptr);
    QTest::mouseClick(test::AboutView(about).Label5, Qt::LeftButton);
    QTest::mouseClick(test::AboutView(about).Label5, Qt::LeftButton);
    QTest::keyClick(test::AboutView(about).Label5, Qt::Key_Space);
    test::settle();
    ASSERT_EQ(program.shell.opened.size(), 3) << "once per click";
    EXPECT_EQ(program.shell.opened[0], about->address());
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(program.modals.modalsSeen, 1) << "nothing to say when the desktop opened it";
    test::AboutView(about).cmdOK->click();
    test::settle();
    EXPECT_TRUE(about.isNull()) << "OK closes the window, which goes";
}

TEST(AboutWindow, TheLinkHasItsOwnPointingHand)
{
    ProgramUnderTest program;
    CopyR about(program.welcome().window, program.shell, program.messageBox, about::webAddress(program.folder.path()));
    const test::AboutView aboutView(&about);
    const QCursor cursor = aboutView.Label5->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(5, 0)) << "the tip of the index finger";
    const QImage hand = cursor.pixmap().toImage();
    ASSERT_EQ(hand.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor c = hand.pixelColor(x, y);
            const bool mono = c.alpha() == 0 || c == QColor(Qt::black) || c == QColor(Qt::white);
            ASSERT_TRUE(mono) << "monochrome, at " << x << "," << y;
        }
    }
    EXPECT_EQ(hand.pixelColor(5, 0), QColor(Qt::black));
}

TEST(AboutWindow, WhenTheDesktopCannotOpenTheLinkItSaysWhereTheGuideIs)
{
    ProgramUnderTest program;
    program.shell.refuses = true;
    const QString guide = QDir::toNativeSeparators(QDir(program.folder.path()).filePath("guide/index.html"));
    {
        CopyR about(
            program.welcome().window, program.shell, program.messageBox, about::webAddress(program.folder.path()));
        const test::AboutView aboutView(&about);
        QTest::mouseClick(aboutView.Label5, Qt::LeftButton);
        test::settle();
        ASSERT_EQ(program.messageBox.texts.size(), 1);
        EXPECT_EQ(program.messageBox.texts[0], "The user guide could not be opened in a web browser.");
        EXPECT_TRUE(program.messageBox.details[0].endsWith("\n" + guide))
            << program.messageBox.details[0].toStdString();
        program.shell.refuses = false;
        QTest::mouseClick(aboutView.Label5, Qt::LeftButton);
        test::settle();
        EXPECT_EQ(program.messageBox.texts.size(), 1) << "only a refusal is told";
    }

    // From the welcome window's About, the program's message box tells it.
    program.shell.refuses = true;
    program.modals.then([](QWidget*) {}); // leave the about window open
    const QPointer<CopyR> about = openAbout(program);
    ASSERT_NE(about, nullptr);
    test::settle();
    QTest::keyClick(test::AboutView(about).Label5, Qt::Key_Return);
    test::settle();
    ASSERT_EQ(program.messageBox.details.size(), 2);
    EXPECT_TRUE(program.messageBox.details[1].endsWith("\n" + guide)) << program.messageBox.details[1].toStdString();
    EXPECT_TRUE(about->isVisible()) << "the about window stays open";
    test::AboutView(about).cmdOK->click();
    test::settle();
}

} // namespace
} // namespace veltrin
