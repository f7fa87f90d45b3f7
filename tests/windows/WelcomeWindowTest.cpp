// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The welcome window: its load, the car, the self-advance, and Continue,
// About and Exit, driven tick by tick with a settable clock.

#include "support/WindowHarness.h"
#include "windows/Twips.h"
#include "windows/frmDrive1.h"
#include "windows/frmWelcome.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

TEST(WelcomeWindow, LoadPlaysTheEngineAndShowsTheTitle)
{
    ProgramUnderTest program;
    const test::WelcomeView w = program.welcome();
    EXPECT_EQ(program.player.commands, QStringList {"Play carstart.wav"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Veltrin's Test");
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.Label2->text(), "Veltrin's Test");
    EXPECT_EQ(w->focusWidget(), w.cmdExit);
}

TEST(WelcomeWindow, ExitStaysInTheBottomRightCorner)
{
    ProgramUnderTest program;
    const test::WelcomeView w = program.welcome();
    for (const QSize size : {QSize(1024, 768), QSize(1600, 1200), QSize(300, 200)}) {
        w->resize(size);
        const QSize inset = test::insetFromBottomRight(w.cmdExit);
        EXPECT_NEAR(inset.width(), twipsToPixels(500), 1) << size.width();
        EXPECT_NEAR(inset.height(), twipsToPixels(500), 1) << size.height();
        EXPECT_EQ(w.cmdContinue->geometry(), toPixels({8640, 240, 855, 360})) << "Continue stays put";
    }
}

TEST(WelcomeWindow, OpensTheExamWindowByItselfAfterNineSeconds)
{
    ProgramUnderTest program;
    program.tick(8.8F);
    program.tick(0.2F); // exactly nine seconds
    EXPECT_EQ(program.drive(), nullptr);
    EXPECT_EQ(program.player.count("Stop"), 0);
    program.tick(0.2F);
    ASSERT_NE(program.drive(), nullptr);
    EXPECT_TRUE(program.drive()->isVisible());
    EXPECT_EQ(program.player.commands.last(), "Stop") << "the engine sound is closed just before";
    QPointer<frmDrive1> first = program.drive();
    program.tick(30.0F);
    EXPECT_EQ(program.drive(), first.data()) << "at most once per run";
    EXPECT_EQ(program.player.count("Stop"), 1);
}

TEST(WelcomeWindow, ContinueOpensTheExamWindowAtOnce)
{
    ProgramUnderTest program;
    program.tick(2.0F);
    program.welcome().cmdContinue->click();
    test::settle();
    QPointer<frmDrive1> exam = program.drive();
    ASSERT_NE(exam, nullptr);
    EXPECT_EQ(program.player.count("Stop"), 1);
    program.tick(10.0F);
    EXPECT_EQ(program.drive(), exam.data()) << "the tick does not open a second";
}

TEST(WelcomeWindow, ContinueAfterReturnOpensAFreshExamWindow)
{
    ProgramUnderTest program;
    program.openExam();
    program.exam().cmdExit->click();
    test::settle();
    EXPECT_EQ(program.drive(), nullptr);
    program.tick(20.0F);
    EXPECT_EQ(program.drive(), nullptr) << "Return leaves the self-advance off";
    const int seedings = program.random.seedings;
    program.openExam();
    ASSERT_NE(program.drive(), nullptr);
    EXPECT_EQ(program.random.seedings, seedings + 1) << "its load ran again";
    EXPECT_TRUE(program.exam().cmdStart->isVisible());
    EXPECT_EQ(program.player.count("Stop"), 1) << "no second Close";
}

TEST(WelcomeWindow, ContinueRightAfterReturnOpensAWindowThatStays)
{
    // Return, then Continue before the event loop has turned (two quick
    // keys): the window that Return closed is on its way out, and Continue
    // must not bring it back only to see it vanish.
    ProgramUnderTest program;
    program.openExam();
    program.exam().cmdExit->click();
    program.welcome().cmdContinue->click();
    test::settle();
    ASSERT_NE(program.drive(), nullptr);
    EXPECT_TRUE(program.exam().cmdStart->isVisible()) << "a fresh exam window, on its instructions";
}

TEST(WelcomeWindow, AboutStopsTheSelfAdvanceForGood)
{
    ProgramUnderTest program;
    program.tick(3.0F);
    program.welcome().cmdAbout->click(); // the responder presses OK at once
    test::settle();
    EXPECT_EQ(program.modals.answered, QStringList {"CopyR"});
    program.tick(60.0F);
    EXPECT_EQ(program.drive(), nullptr);
    EXPECT_EQ(program.player.count("Stop"), 0) << "the engine sound is left to Continue or Exit";
}

TEST(WelcomeWindow, ExitClosesTheSoundDeviceWhateverItsState)
{
    {
        ProgramUnderTest program;
        program.welcome().cmdExit->click();
        EXPECT_EQ(program.player.commands.last(), "Stop");
        EXPECT_EQ(program.ended, 1);
    }
    {
        ProgramUnderTest program;
        program.openExam();
        program.exam().cmdExit->click();
        test::settle();
        program.welcome().cmdExit->click();
        EXPECT_EQ(program.player.count("Stop"), 2) << "sent even when already closed";
        EXPECT_EQ(program.ended, 1);
    }
}

TEST(WelcomeWindow, TheCarDrivesAndWraps)
{
    ProgramUnderTest program;
    const test::WelcomeView w = program.welcome();
    const QImage frameA = QPixmap(":/assets/car-a.bmp").toImage();
    const QImage frameB = QPixmap(":/assets/car-b.bmp").toImage();
    ASSERT_NE(frameA, frameB);
    w->setWindowState(Qt::WindowNoState);
    w->resize(1024, 768); // 15360 twips wide
    program.tick(0.2F);
    EXPECT_EQ(w.imgCar->pixmap().toImage(), frameB) << "frame B, with speed lines, first";
    EXPECT_EQ(w.imgCar->pos(), QPoint(twipsToPixels(200), twipsToPixels(4920)));
    program.tick(0.2F);
    EXPECT_EQ(w.imgCar->pixmap().toImage(), frameA);
    for (int t = 3; t <= 77; ++t)
        program.tick(0.2F);
    EXPECT_EQ(w.imgCar->x(), twipsToPixels(40)) << "wrapped on tick 77, to 40 twips";
}

TEST(WelcomeWindow, ALowWindowLiftsTheCar)
{
    ProgramUnderTest program;
    const test::WelcomeView w = program.welcome();
    w->setWindowState(Qt::WindowNoState);
    w->resize(1024, 266); // 3990 twips high
    program.tick(0.2F);
    EXPECT_EQ(w.imgCar->y(), twipsToPixels(930));
    w->resize(1024, 768);
    program.tick(0.2F);
    EXPECT_EQ(w.imgCar->y(), twipsToPixels(930)) << "it stays up when the window grows again";
}

TEST(WelcomeWindow, OpensWithTheFocusOnExitThenTabsToContinueAndAbout)
{
    ProgramUnderTest program;
    const test::WelcomeView w = program.welcome();
    EXPECT_EQ(w->focusWidget(), w.cmdExit) << "Exit is first in the tab order";
    QWidget* next = w.cmdExit->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    EXPECT_EQ(next, w.cmdContinue);
    next = next->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    EXPECT_EQ(next, w.cmdAbout);
}

} // namespace
} // namespace veltrin
