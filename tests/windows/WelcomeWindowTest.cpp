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

TEST(WelcomeWindow, LoadPlaysTheEngineAndSetsTheSharedState)
{
    ProgramUnderTest program;
    frmWelcome& w = program.welcome();
    EXPECT_EQ(
        program.player.commands, (QStringList {"Open " + program.folder.path() + "/carstart.wav", "Prev", "Play"}));
    EXPECT_EQ(w.soundsw, 0);
    EXPECT_EQ(w.loadtime, program.clock.now);
    const ExamSession& s = w.session();
    EXPECT_EQ(s.msgsw(), Value(0));
    EXPECT_EQ(w.switch1, 0);
    EXPECT_EQ(s.lasttime(), Value(99));
    EXPECT_EQ(s.tasksw(), Value(0));
    EXPECT_TRUE(s.timeexp().isEmpty());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Veltrin's Test");
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.Label2->text(), "Veltrin's Test");
}

TEST(WelcomeWindow, ExitStaysInTheBottomRightCorner)
{
    ProgramUnderTest program;
    frmWelcome& w = program.welcome();
    for (const QSize size : {QSize(1024, 768), QSize(1600, 1200), QSize(300, 200)}) {
        w.resize(size);
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
    EXPECT_EQ(program.player.count("Close"), 0);
    program.tick(0.2F);
    ASSERT_NE(program.drive(), nullptr);
    EXPECT_TRUE(program.drive()->isVisible());
    EXPECT_EQ(program.player.commands.last(), "Close") << "the engine sound is closed just before";
    EXPECT_EQ(program.welcome().soundsw, 1);
    EXPECT_EQ(program.welcome().switch1, 1);
    QPointer<frmDrive1> first = program.drive();
    program.tick(30.0F);
    EXPECT_EQ(program.drive(), first.data()) << "at most once per run";
    EXPECT_EQ(program.player.count("Close"), 1);
}

TEST(WelcomeWindow, ContinueOpensTheExamWindowAtOnce)
{
    ProgramUnderTest program;
    program.tick(2.0F);
    program.welcome().cmdContinue->click();
    test::settle();
    QPointer<frmDrive1> exam = program.drive();
    ASSERT_NE(exam, nullptr);
    EXPECT_EQ(program.player.count("Close"), 1);
    program.tick(10.0F);
    EXPECT_EQ(program.drive(), exam.data()) << "the tick does not open a second";
}

TEST(WelcomeWindow, ContinueAfterReturnOpensAFreshExamWindow)
{
    ProgramUnderTest program;
    program.openExam();
    program.drive()->cmdExit->click();
    test::settle();
    EXPECT_EQ(program.drive(), nullptr);
    program.tick(20.0F);
    EXPECT_EQ(program.drive(), nullptr) << "Return leaves the self-advance off";
    const int seedings = program.random.seedings;
    program.openExam();
    ASSERT_NE(program.drive(), nullptr);
    EXPECT_EQ(program.random.seedings, seedings + 1) << "its load ran again";
    EXPECT_TRUE(program.drive()->cmdStart->isVisible());
    EXPECT_EQ(program.player.count("Close"), 1) << "no second Close";
}

TEST(WelcomeWindow, AboutStopsTheSelfAdvanceForGood)
{
    ProgramUnderTest program;
    program.tick(3.0F);
    program.welcome().cmdAbout->click(); // the responder presses OK at once
    test::settle();
    EXPECT_EQ(program.modals.answered, QStringList {"CopyR"});
    EXPECT_EQ(program.welcome().switch1, 1);
    program.tick(60.0F);
    EXPECT_EQ(program.drive(), nullptr);
    EXPECT_EQ(program.player.count("Close"), 0) << "the engine sound is left to Continue or Exit";
}

TEST(WelcomeWindow, ExitClosesTheSoundDeviceWhateverItsState)
{
    {
        ProgramUnderTest program;
        program.welcome().cmdExit->click();
        EXPECT_EQ(program.player.commands.last(), "Close");
        EXPECT_EQ(program.ended, 1);
    }
    {
        ProgramUnderTest program;
        program.openExam();
        program.drive()->cmdExit->click();
        test::settle();
        program.welcome().cmdExit->click();
        EXPECT_EQ(program.player.count("Close"), 2) << "sent even when already closed";
        EXPECT_EQ(program.ended, 1);
    }
}

TEST(WelcomeWindow, TheCarDrivesAndWraps)
{
    ProgramUnderTest program;
    frmWelcome& w = program.welcome();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1024, 768); // 15360 twips wide
    program.tick(0.2F);
    EXPECT_FALSE(w.carShowsFrameA()) << "frame B, with speed lines, first";
    EXPECT_EQ(w.imgCar->pixmap().cacheKey(), w.imgCar2.cacheKey());
    EXPECT_EQ(w.carLeft(), 200);
    EXPECT_EQ(w.imgCar->pos(), QPoint(twipsToPixels(200), twipsToPixels(4920)));
    program.tick(0.2F);
    EXPECT_TRUE(w.carShowsFrameA());
    EXPECT_EQ(w.imgCar->pixmap().cacheKey(), w.imgCar1.cacheKey());
    for (int t = 3; t <= 77; ++t)
        program.tick(0.2F);
    EXPECT_EQ(w.carLeft(), 40) << "wrapped on tick 77";
    EXPECT_EQ(w.imgCar->x(), 3);
}

TEST(WelcomeWindow, ALowWindowLiftsTheCar)
{
    ProgramUnderTest program;
    frmWelcome& w = program.welcome();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1024, 266); // 3990 twips high
    program.tick(0.2F);
    EXPECT_EQ(w.carTop(), 930);
    w.resize(1024, 768);
    program.tick(0.2F);
    EXPECT_EQ(w.carTop(), 930) << "it stays up when the window grows again";
}

} // namespace
} // namespace veltrin
