// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exam window taken through whole exams, with a settable clock, a fixed
// random sequence and a recording sound device.

#include "engine/Messages.h"
#include "sound/QtSound.h"
#include "support/WindowHarness.h"
#include "windows/Twips.h"
#include "windows/frmDrive1.h"
#include "windows/frmMsg.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

// Whether the exam clock is stopped. A clock left running would time out a
// later exam window before its Start: open one, let 1000 seconds pass, and
// see that no message comes.
bool clockStopped(ProgramUnderTest& program)
{
    const qsizetype before = program.modals.messages.size();
    if (program.drive() == nullptr)
        program.openExam();
    program.tick(1000.0F);
    return program.modals.messages.size() == before;
}

void answerMany(ProgramUnderTest& program, int right, int wrong)
{
    for (int i = 0; i < right; ++i)
        program.answer(true);
    for (int i = 0; i < wrong; ++i)
        program.answer(false);
}

TEST(ExamWindow, OpensOnTheInstructions)
{
    ProgramUnderTest program;
    test::ExamView drive = program.openExam();
    QString expected = instructionsText();
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(drive.txtText1->toPlainText(), expected) << "two- and seven-space runs intact, CR LF as line breaks";
    EXPECT_TRUE(drive.txtText1->isReadOnly());
    EXPECT_TRUE(drive.cmdStart->isVisible());
    EXPECT_TRUE(drive.cmdStart->isEnabled());
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(drive.cmdAns.at(i)->isVisible());
        EXPECT_FALSE(drive.lblAA.at(i)->isVisible());
        EXPECT_FALSE(drive.Option1.at(i)->isVisible());
    }
    EXPECT_FALSE(drive.lblQno->isVisible());
    EXPECT_FALSE(drive.lblElapsed->isVisible());
    EXPECT_FALSE(drive.Label1->isVisible());
    EXPECT_FALSE(drive.Label2->isVisible());
    EXPECT_EQ(drive->focusWidget(), drive.cmdExit) << "Return holds the focus";
    EXPECT_EQ(drive->windowTitle(), "Veltrin's Test");
    EXPECT_EQ(program.random.seedings, 1) << "each opening seeds the random source";
}

TEST(ExamWindow, ReturnStaysInTheBottomRightCorner)
{
    ProgramUnderTest program;
    test::ExamView drive = program.openExam();
    for (const QSize size : {QSize(1280, 1000), QSize(640, 420), QSize(50, 20)}) {
        drive->resize(size);
        const QSize inset = test::insetFromBottomRight(drive.cmdExit);
        EXPECT_NEAR(inset.width(), twipsToPixels(500), 1) << size.width();
        EXPECT_NEAR(inset.height(), twipsToPixels(500), 1) << size.height();
        EXPECT_EQ(drive.cmdStart->geometry(), toPixels({2400, 5280, 1215, 375})) << "nothing else moves";
    }
    EXPECT_LT(drive.cmdExit->x(), 0) << "a client area smaller than Return gives it negative coordinates";
}

TEST(ExamWindow, StartShowsTheFirstQuestion)
{
    ProgramUnderTest program;
    test::ExamView drive = program.startExam();
    EXPECT_FALSE(drive.cmdStart->isVisible());
    EXPECT_FALSE(drive.cmdStart->isEnabled());
    EXPECT_TRUE(drive.lblQno->isVisible());
    EXPECT_TRUE(drive.lblElapsed->isVisible());
    EXPECT_EQ(drive.lblQno->text(), "1");
    EXPECT_EQ(drive.txtText1->toPlainText(), "Question 1");
    EXPECT_EQ(drive.Option1.at(0)->text(), "Answer 1a");
    EXPECT_EQ(drive.Option1.at(3)->text(), "Answer 1d");
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(drive.cmdAns.at(i)->isVisible());
    EXPECT_EQ(drive->focusWidget(), drive.cmdExit);
    program.tick(1.0F);
    EXPECT_EQ(drive.lblElapsed->text(), "0:01") << "the clock runs from Start";
}

TEST(ExamWindow, WholeExamAnsweredRightPasses)
{
    ProgramUnderTest program;
    program.startExam();
    for (int q = 1; q <= 20; ++q) {
        ASSERT_NE(program.drive(), nullptr);
        EXPECT_EQ(program.exam().lblQno->text(), QString::number(q));
        program.answer(true);
    }
    ASSERT_EQ(program.modals.messages.size(), 21);
    EXPECT_EQ(program.modals.messages.count("Correct"), 20);
    EXPECT_EQ(program.modals.messages.last(), "You Pass.  You had 20 correct answers out of 20.");
    EXPECT_EQ(program.player.played().last(), "honkyea.wav");
    EXPECT_EQ(program.player.commands.last(), "Stop");
    EXPECT_EQ(program.drive(), nullptr) << "the exam window has closed";
    EXPECT_TRUE(clockStopped(program));
}

TEST(ExamWindow, SixteenRightFailsAndSeventeenPasses)
{
    {
        ProgramUnderTest program;
        program.startExam();
        answerMany(program, 16, 4);
        EXPECT_EQ(program.modals.messages.last(), "You Failed.  You had 16 correct answers out of 20.");
        EXPECT_EQ(program.player.played().last(), "skidbump.wav");
    }
    {
        ProgramUnderTest program;
        program.startExam();
        answerMany(program, 17, 3);
        EXPECT_EQ(program.modals.messages.last(), "You Pass.  You had 17 correct answers out of 20.");
        EXPECT_EQ(program.player.played().last(), "honkyea.wav");
    }
}

TEST(ExamWindow, WrongAnswerNamesTheLetterAndPlaysACue)
{
    ProgramUnderTest program;
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/3";
    program.folder.writeBank(lines);
    test::ExamView drive = program.startExam();
    program.player.commands.clear();
    drive.cmdAns.at(0)->click();
    test::settle();
    EXPECT_EQ(program.modals.messages.last(), "Wrong.  The correct answer is C");
    ASSERT_EQ(program.player.commands.size(), 2);
    EXPECT_TRUE(program.player.played().first() == "skid1.wav" || program.player.played().first() == "siren.wav");
    EXPECT_EQ(program.player.commands.last(), "Stop") << "the cue stops when its verdict is closed";
    EXPECT_EQ(program.session.score(), 0);
    EXPECT_EQ(drive.lblQno->text(), "2");
}

TEST(ExamWindow, BothWrongAnswerCuesFollowTheRandomNumber)
{
    ProgramUnderTest program;
    program.random = test::ScriptedRandom(std::vector<float>(19, test::kKeepsTheDeckInOrder));
    program.random.append({0.25F, 0.75F, 0.4F, 0.5F});
    program.startExam();
    program.player.commands.clear();
    answerMany(program, 0, 4);
    EXPECT_EQ(program.player.played(), (QStringList {"siren.wav", "skid1.wav", "siren.wav", "skid1.wav"}));
}

TEST(ExamWindow, RightAnswersPlayNoSound)
{
    ProgramUnderTest program;
    program.startExam();
    program.player.commands.clear();
    program.answer(true);
    EXPECT_TRUE(program.player.commands.isEmpty());
    EXPECT_EQ(program.session.score(), 1);
}

TEST(ExamWindow, ThreeAnswerQuestionsHideTheFourthRow)
{
    ProgramUnderTest program;
    QStringList lines {"20 Copyright"};
    for (int n = 1; n <= 20; ++n)
        lines << test::record(n, 1, {}, n % 2 == 0 ? 3 : 4);
    program.folder.writeBank(lines);
    test::ExamView drive = program.startExam();
    EXPECT_TRUE(drive.cmdAns.at(3)->isVisible());
    program.answer(true);
    EXPECT_FALSE(drive.cmdAns.at(3)->isVisible());
    EXPECT_FALSE(drive.lblAA.at(3)->isVisible());
    EXPECT_FALSE(drive.Option1.at(3)->isVisible());
    program.answer(true);
    EXPECT_TRUE(drive.cmdAns.at(3)->isVisible());
    EXPECT_TRUE(drive.Option1.at(3)->isVisible());
}

TEST(ExamWindow, QuestionWithoutTextKeepsThePreviousText)
{
    ProgramUnderTest program;
    QStringList lines = test::bank(20, 20);
    lines.removeAt(lines.indexOf("Question 2"));
    lines[lines.indexOf("2. Answer 1b")] = "2. <b>bold</b> & more";
    program.folder.writeBank(lines);
    test::ExamView drive = program.startExam();
    EXPECT_EQ(drive.Option1.at(1)->text(), "<b>bold</b> & more") << "bank text is shown as written, not as markup";
    EXPECT_EQ(drive.Option1.at(1)->textFormat(), Qt::PlainText);
    program.answer(true);
    EXPECT_EQ(drive.txtText1->toPlainText(), "Question 1");
    EXPECT_EQ(drive.Option1.at(0)->text(), "Answer 2a");
}

TEST(ExamWindow, EmptyAnswersStillShowTheirRows)
{
    ProgramUnderTest program;
    QStringList lines = test::bank(20, 20);
    lines.removeAt(lines.indexOf("2. Answer 1b"));
    program.folder.writeBank(lines);
    test::ExamView drive = program.startExam();
    EXPECT_TRUE(drive.cmdAns.at(1)->isVisible());
    EXPECT_EQ(drive.Option1.at(1)->text(), "");
    drive.cmdAns.at(1)->click();
    test::settle();
    EXPECT_EQ(program.modals.messages.last(), "Wrong.  The correct answer is A");
}

TEST(ExamWindow, KeysAToDPressTheVisibleAnswerButtons)
{
    ProgramUnderTest program;
    QStringList lines {"20 Copyright"};
    for (int n = 1; n <= 20; ++n)
        lines << test::record(n, 2, {}, 3);
    program.folder.writeBank(lines);
    test::ExamView drive = program.startExam();
    QTest::keyClick(drive.cmdExit, Qt::Key_D);
    test::settle();
    EXPECT_EQ(drive.lblQno->text(), "1") << "a hidden button cannot be pressed";
    QTest::keyClick(drive.cmdExit, Qt::Key_B);
    test::settle();
    ASSERT_EQ(program.modals.messages.size(), 1);
    EXPECT_EQ(program.modals.messages.last(), "Correct");
    EXPECT_EQ(drive.lblQno->text(), "2");
    QTest::keyClick(drive.txtText1, Qt::Key_1);
    test::settle();
    ASSERT_EQ(program.modals.messages.size(), 2);
    EXPECT_EQ(program.modals.messages.last(), "Wrong.  The correct answer is B");
}

TEST(ExamWindow, PicturesAreFoundAndShownAtTheirOwnSize)
{
    ProgramUnderTest program;
    test::writePicture(program.folder.path(), "Signs/Stop.PNG", {150, 90}, Qt::red);
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/signs\\stop.png";
    lines[lines.indexOf("Q.t3/id3/1")] = "Q.t3/id3/1/signs\\missing.png";
    program.folder.writeBank(lines);
    test::ExamView drive = program.startExam();
    ASSERT_FALSE(drive.imgImage1->pixmap().isNull()) << "backslashes and another letter case still find the file";
    EXPECT_EQ(drive.imgImage1->size(), QSize(150, 90)) << "never scaled";
    EXPECT_EQ(drive.imgImage1->pos(), toPixels({6960, 240, 0, 0}).topLeft());
    program.answer(true);
    EXPECT_TRUE(drive.imgImage1->pixmap().isNull()) << "a question without a picture clears it";
    program.answer(true);
    EXPECT_TRUE(drive.imgImage1->pixmap().isNull());
    EXPECT_TRUE(drive.imgImage1->text().contains("missing.png")) << "a missing picture is named, not silently dropped";
}

TEST(ExamWindow, ReturnAndTheCloseBoxStopTheClock)
{
    {
        ProgramUnderTest program;
        test::ExamView drive = program.startExam();
        drive.cmdExit->click();
        test::settle();
        EXPECT_EQ(program.drive(), nullptr);
        EXPECT_TRUE(clockStopped(program));
    }
    {
        ProgramUnderTest program;
        test::ExamView drive = program.startExam();
        drive->close();
        test::settle();
        EXPECT_EQ(program.drive(), nullptr);
        EXPECT_TRUE(program.modals.messages.isEmpty()) << "no confirmation, no result";
        EXPECT_TRUE(clockStopped(program));
    }
}

TEST(ExamWindow, ClockShowsElapsedTime)
{
    ProgramUnderTest program;
    test::ExamView drive = program.startExam();
    program.tick(0.1F);
    EXPECT_EQ(drive.lblElapsed->text(), "0:00");
    program.tick(59.8F);
    EXPECT_EQ(drive.lblElapsed->text(), "0:59");
    program.tick(0.2F);
    EXPECT_EQ(drive.lblElapsed->text(), "1:00");
    program.tick(539.0F);
    EXPECT_EQ(drive.lblElapsed->text(), "9:59");
    program.tick(1.0F);
    EXPECT_EQ(drive.lblElapsed->text(), "10:00");
}

TEST(ExamWindow, TimeOutWithAQuestionOnScreen)
{
    ProgramUnderTest program;
    program.startExam();
    answerMany(program, 9, 3); // question 13 is on screen
    ASSERT_EQ(program.exam().lblQno->text(), "13");
    const QLabel* elapsed = program.exam().lblElapsed;
    QString shownWithTheMessage;
    program.modals.then([&](QWidget* msg) {
        shownWithTheMessage = elapsed->text();
        test::pressOk(msg);
    });
    program.tick(900.0F);
    EXPECT_EQ(program.modals.messages.last(), "You ran out of time.  You had 9 correct answers out of 13.");
    EXPECT_EQ(shownWithTheMessage, "15:00") << "the last time shown is the limit";
    EXPECT_EQ(program.drive(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(clockStopped(program));
}

TEST(ExamWindow, TheRealTimerKeepsTickingUnderTheTimeOutMessage)
{
    ProgramUnderTest program;
    program.startExam();
    program.clock.now += 900.0F;
    program.modals.then([](QWidget*) {}); // leave the time-out message open
    QTimer* timer = program.welcome()->findChild<QTimer*>("Timer1");
    // The real timer and the real event loop; an interval of 0 fires on every
    // turn of the loop, so nothing waits in real time.
    timer->setInterval(0);
    timer->start();
    for (int turn = 0; turn < 100 && program.modals.messages.isEmpty(); ++turn)
        QCoreApplication::processEvents();
    ASSERT_EQ(program.modals.messages.value(0), "You ran out of time.  You had 0 correct answers out of 1.");
    ASSERT_NE(QApplication::activeModalWidget(), nullptr) << "the time-out message is open";

    const int before = program.welcome().imgCar->x();
    for (int turn = 0; turn < 10; ++turn)
        QCoreApplication::processEvents();
    EXPECT_NE(program.welcome().imgCar->x(), before) << "the car drives on while the message is open";

    timer->stop();
    test::pressOk(QApplication::activeModalWidget());
    test::settle();
    EXPECT_EQ(program.drive(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ExamWindow, TimeOutWhileAVerdictIsOpenReplacesItOnce)
{
    for (const bool right : {true, false}) {
        ProgramUnderTest program;
        program.startExam();
        answerMany(program, 4, 0); // question 5 on screen, score 4
        int timeouts = 0;
        program.modals.then([&](QWidget* verdict) {
            EXPECT_TRUE(verdict->isVisible());
            program.tick(901.0F);
        });
        program.answer(right);
        for (const QString& m : program.modals.messages)
            timeouts += m.startsWith("You ran out of time.") ? 1 : 0;
        EXPECT_EQ(timeouts, 1) << "shown once, right " << right;
        EXPECT_EQ(program.modals.messages.last(), "You ran out of time.  You had 4 correct answers out of 5.")
            << "the open verdict's point is not counted; the question on screen is";
        EXPECT_EQ(program.drive(), nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(program.player.played().contains("skidbump.wav")) << "no result after the time-out";
        if (!right) {
            EXPECT_EQ(program.player.commands.last(), "Stop") << "the verdict's cue goes with its message";
        }
    }
}

TEST(ExamWindow, ASecondExamAfterATimeOutRunsNormally)
{
    ProgramUnderTest program;
    program.startExam();
    program.tick(900.0F);
    ASSERT_EQ(program.drive(), nullptr);
    program.random = test::ScriptedRandom({test::kKeepsTheDeckInOrder});
    test::ExamView again = program.startExam();
    EXPECT_EQ(again.lblQno->text(), "1") << "no time-out left over";
    program.tick(0.5F);
    EXPECT_EQ(again.lblElapsed->text(), "0:00");
    program.answer(true);
    EXPECT_EQ(again.lblQno->text(), "2");
    EXPECT_EQ(program.modals.messages.last(), "Correct");
}

TEST(ExamWindow, InvalidBankIsRefusedWithItsReason)
{
    ProgramUnderTest program;
    program.folder.writeBank({"20 copyright in lower case", "Q.a/b/1", "T", "1. A", ""});
    program.startExam();
    ASSERT_EQ(program.messageBox.texts.size(), 1);
    EXPECT_EQ(program.messageBox.texts[0], "Invalid database file.");
    EXPECT_TRUE(program.messageBox.details[0].contains("Line 1")) << program.messageBox.details[0].toStdString();
    EXPECT_EQ(program.drive(), nullptr) << "the window closes as after Return";
    EXPECT_TRUE(clockStopped(program)) << "the refusal does not leave the exam clock running";
}

TEST(ExamWindow, ABankOfOnesOwnElsewhereWithItsPictures)
{
    test::TestFolder own;
    test::writePicture(own.path(), "signs/mine.png", {30, 30}, Qt::darkGreen);
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/Signs\\Mine.PNG";
    lines[lines.indexOf("Question 1")] = "My own question";
    own.writeBank(lines);

    ProgramUnderTest program(nullptr, own.path() + "/veltrin.dll");
    program.folder.writeBank({"not a bank"}); // the program folder's bank is never read
    test::ExamView drive = program.startExam();
    ASSERT_TRUE(program.messageBox.texts.isEmpty()) << program.messageBox.details.value(0).toStdString();
    EXPECT_EQ(drive.txtText1->toPlainText(), "My own question");
    EXPECT_FALSE(drive.imgImage1->pixmap().isNull()) << "its pictures are found beside it";
    drive.cmdExit->click();
    test::settle();

    // Read afresh at every Start: an author edits and tries again.
    lines[lines.indexOf("My own question")] = "Mended question";
    own.writeBank(lines);
    program.random = test::ScriptedRandom({test::kKeepsTheDeckInOrder});
    EXPECT_EQ(program.startExam().txtText1->toPlainText(), "Mended question");
    program.exam().cmdExit->click();
    test::settle();
    own.writeBank({"20 copyright", "Q.a/b/1", "Question", "1. A", ""});
    program.startExam();
    ASSERT_EQ(program.messageBox.texts.size(), 1);
    EXPECT_EQ(program.messageBox.texts[0], "Invalid database file.");
    EXPECT_TRUE(program.messageBox.details[0].contains("capital C")) << program.messageBox.details[0].toStdString();
}

TEST(ExamWindow, ExamSpanningMidnightTimesOut)
{
    ProgramUnderTest program;
    program.clock.now = 86100.0F; // 23:55
    test::ExamView drive = program.startExam();
    program.tick(400.0F);
    program.clock.now -= 86400.0F;
    program.tick(0.0F);
    EXPECT_EQ(drive.lblElapsed->text(), "6:40");
    program.tick(500.0F);
    EXPECT_EQ(program.modals.messages.last(), "You ran out of time.  You had 0 correct answers out of 1.");
}

TEST(ExamWindow, ContinueOnAnOpenExamWindowOnlyBringsItToTheFront)
{
    ProgramUnderTest program;
    test::ExamView drive = program.startExam();
    drive.cmdAns.at(1)->setFocus();
    drive->setWindowState(Qt::WindowNoState);
    test::settle();
    const QRect before = drive->geometry();
    program.welcome().cmdContinue->click();
    test::settle();
    EXPECT_EQ(program.drive(), drive.window) << "the same window";
    EXPECT_EQ(drive->geometry(), before) << "its geometry is left as it is";
    EXPECT_FALSE(drive->isMaximized());
    EXPECT_EQ(drive->focusWidget(), drive.cmdAns.at(1)) << "the focus stays where the user put it";
    EXPECT_EQ(drive.lblQno->text(), "1") << "the exam goes on";
}

TEST(ExamWindow, ContinueBringsBackAMinimizedExamWindow)
{
    ProgramUnderTest program;
    const test::ExamView drive = program.startExam();
    for (const Qt::WindowStates minimized :
        {Qt::WindowStates(Qt::WindowMinimized), Qt::WindowStates(Qt::WindowMinimized | Qt::WindowMaximized)}) {
        drive->setWindowState(minimized);
        test::settle();
        ASSERT_TRUE(drive->isMinimized());
        program.welcome().cmdContinue->click();
        test::settle();
        EXPECT_FALSE(drive->isMinimized()) << "back on the screen";
        EXPECT_EQ(drive->isMaximized(), minimized.testFlag(Qt::WindowMaximized)) << "as it was before";
        EXPECT_EQ(QApplication::activeWindow(), drive.window) << "in front, and the keys go to it";
        EXPECT_EQ(drive.lblQno->text(), "1") << "with its question";
    }
}

TEST(ExamWindow, BOnAQuestionWhoseRightAnswerIsTwo)
{
    ProgramUnderTest program;
    QStringList lines {"20 Copyright"};
    for (int n = 1; n <= 20; ++n)
        lines << test::record(n, 2);
    program.folder.writeBank(lines);
    program.startExam();
    program.player.commands.clear();
    int scoreWhileOpen = -1;
    program.modals.then([&](QWidget* verdict) {
        scoreWhileOpen = program.session.score();
        test::pressOk(verdict);
    });
    program.press(1);
    EXPECT_EQ(program.modals.messages.last(), "Correct");
    EXPECT_TRUE(program.player.commands.isEmpty()) << "no sound";
    EXPECT_EQ(scoreWhileOpen, 0);
    EXPECT_EQ(program.session.score(), 1) << "counted after the message is closed";
    EXPECT_EQ(program.exam().lblQno->text(), "2");
}

TEST(ExamWindow, NoRightAnswersAndAResultJustBeforeTheLimit)
{
    ProgramUnderTest program;
    test::ExamView drive = program.startExam();
    for (int q = 1; q < 20; ++q)
        program.answer(false);
    program.tick(899.9F);
    QString captionAtTheResult;
    program.modals.then([&](QWidget* verdict) { test::pressOk(verdict); });
    program.modals.then([&](QWidget* result) {
        captionAtTheResult = drive.lblElapsed->text();
        program.tick(5.0F); // past the limit while the result is open
        test::pressOk(result);
    });
    program.answer(false);
    EXPECT_EQ(program.modals.messages.last(), "You Failed.  You had 0 correct answers out of 20.");
    EXPECT_EQ(captionAtTheResult, "14:59");
    for (const QString& m : program.modals.messages)
        EXPECT_FALSE(m.startsWith("You ran out of time")) << "the result stopped the clock";
    EXPECT_EQ(program.drive(), nullptr);
}

TEST(ExamWindow, AfterReturnOrTheResultNothingWritesTheClock)
{
    ProgramUnderTest program;
    test::ExamView drive = program.startExam();
    program.tick(61.0F);
    ASSERT_EQ(drive.lblElapsed->text(), "1:01");
    QStringList written;
    QObject::connect(
        &program.session, &ExamSession::elapsedChanged, [&](const QString& caption) { written << caption; });
    drive.cmdExit->click();
    test::settle();
    program.tick(30.0F);
    program.tick(900.0F);
    EXPECT_TRUE(written.isEmpty()) << "after Return";

    test::ExamView again = program.startExam();
    for (int q = 1; q <= 19; ++q)
        program.answer(true);
    program.tick(5.0F);
    const QString last = again.lblElapsed->text();
    QString whileResultOpen;
    program.modals.then([](QWidget* verdict) { test::pressOk(verdict); });
    program.modals.then([&](QWidget* result) {
        program.tick(3.0F);
        whileResultOpen = again.lblElapsed->text();
        test::pressOk(result);
    });
    written.clear();
    program.answer(true);
    EXPECT_EQ(whileResultOpen, last) << "the last caption stays";
    EXPECT_TRUE(written.isEmpty()) << "after the result";
}

TEST(ExamWindow, WithoutWaveFilesTheExamRunsTheSame)
{
    test::TestFolder empty;
    QtSound silent(empty.path()); // the real player, over a folder that has no wave files
    ProgramUnderTest program(&silent);
    program.startExam();
    for (int q = 1; q <= 20; ++q)
        program.answer(q % 2 == 0);
    ASSERT_EQ(program.modals.messages.size(), 21);
    EXPECT_EQ(program.modals.messages.last(), "You Failed.  You had 10 correct answers out of 20.");
    EXPECT_EQ(program.drive(), nullptr);
}

TEST(ExamWindow, StartCannotBePressedTwice)
{
    ProgramUnderTest program;
    test::ExamView drive = program.startExam();
    program.answer(true);
    drive.cmdStart->click();
    QTest::keyClick(drive.cmdStart, Qt::Key_Space);
    test::settle();
    EXPECT_EQ(drive.lblQno->text(), "2") << "the exam goes on where it was";
    EXPECT_EQ(program.session.score(), 1);
}

} // namespace
} // namespace veltrin
