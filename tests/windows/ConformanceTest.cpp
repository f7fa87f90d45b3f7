// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as their design gives them, checked where a review of the
// running program found them wanting: focus and tab order, the exam window's
// fixed border, pictures named the way banks name them, the refusal's box,
// the link's pointer, what a screen reader hears, and keys that must not
// throw an exam away.

#include "platform/QtMessageBox.h"
#include "sound/QtWavePlayer.h"
#include "support/WindowHarness.h"
#include "windows/AboutText.h"
#include "windows/CopyR.h"
#include "windows/Twips.h"
#include "windows/frmDrive1.h"
#include "windows/frmMsg.h"
#include "windows/frmWelcome.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QString accessibleDescription(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

// The widgets that label `widget` for assistive technologies.
QList<QObject*> labelsOf(QWidget* widget)
{
    QList<QObject*> labels;
    const auto relations = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
    for (const auto& relation : relations)
        labels << relation.first->object();
    return labels;
}

TEST(WelcomeWindow, OpensWithTheFocusOnExitThenTabsToContinueAndAbout)
{
    ProgramUnderTest program;
    frmWelcome& w = program.welcome();
    EXPECT_EQ(w.focusWidget(), w.cmdExit) << "Exit is first in the tab order";
    QWidget* next = w.cmdExit->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    EXPECT_EQ(next, w.cmdContinue);
    next = next->nextInFocusChain();
    while (next->focusPolicy() == Qt::NoFocus)
        next = next->nextInFocusChain();
    EXPECT_EQ(next, w.cmdAbout);
}

TEST(ExamWindow, TheBorderIsFixedAndTheFrameStaysOnScreen)
{
    ProgramUnderTest program;
    frmDrive1& drive = program.openExam();
    EXPECT_TRUE(drive.isMaximized()) << "it opens maximized";
    drive.setWindowState(Qt::WindowNoState); // a window manager restores it
    test::settle();
    EXPECT_EQ(drive.minimumSize(), drive.maximumSize()) << "the user cannot resize it";
    const QRect area = drive.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(drive.frameGeometry()))
        << "frame on screen, title bar reachable: " << drive.frameGeometry().x() << "," << drive.frameGeometry().y()
        << " " << drive.frameGeometry().width() << "x" << drive.frameGeometry().height() << " in " << area.width()
        << "x" << area.height();
    const QSize inset = test::insetFromBottomRight(drive.cmdExit);
    EXPECT_NEAR(inset.width(), twipsToPixels(500), 1);
    EXPECT_NEAR(inset.height(), twipsToPixels(500), 1);
}

TEST(ExamWindow, ContinueOnAnOpenExamWindowOnlyBringsItToTheFront)
{
    ProgramUnderTest program;
    frmDrive1& drive = program.startExam();
    drive.cmdAns.at(1)->setFocus();
    drive.setWindowState(Qt::WindowNoState);
    test::settle();
    const QRect before = drive.geometry();
    program.welcome().cmdContinue->click();
    test::settle();
    EXPECT_EQ(program.drive(), &drive) << "the same window";
    EXPECT_EQ(drive.geometry(), before) << "its geometry is left as it is";
    EXPECT_FALSE(drive.isMaximized());
    EXPECT_EQ(drive.focusWidget(), drive.cmdAns.at(1)) << "the focus stays where the user put it";
    EXPECT_EQ(drive.lblQno->text(), "1") << "the exam goes on";
}

TEST(ExamWindow, PictureNamesResolveAsAfterTheProgramFolder)
{
    ProgramUnderTest program;
    QDir(program.folder.path()).mkdir("inner");
    test::writePicture(program.folder.path(), "stop.png", {40, 30}, Qt::blue);
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/\\stop.png";
    lines[lines.indexOf("Q.t2/id2/1")] = "Q.t2/id2/1/inner\\..\\stop.png";
    lines[lines.indexOf("Q.t3/id3/1")] = "Q.t3/id3/1/..\\stop.png";
    program.folder.writeBank(lines);
    frmDrive1& drive = program.startExam();
    EXPECT_FALSE(drive.imgImage1->pixmap().isNull()) << "a leading separator";
    program.answer(true);
    EXPECT_FALSE(drive.imgImage1->pixmap().isNull()) << "a \"..\" that stays inside";
    program.answer(true);
    EXPECT_TRUE(drive.imgImage1->pixmap().isNull()) << "a \"..\" that climbs out";
    EXPECT_TRUE(drive.imgImage1->text().contains("cannot be shown"));
}

TEST(MessageBox, ARefusalIsAPlainBoxWithItsDetailAsWritten)
{
    QWidget owner;
    QtMessageBox box;
    int dismissed = 0;
    box.information(&owner, "Invalid database file.", "Line 1: the header gives \"<b>20</b>\" as the number.",
        [&] { ++dismissed; });
    auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(shown, nullptr) << "modal, and the call returned at once";
    EXPECT_EQ(shown->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(shown->windowTitle(), "Veltrin");
    EXPECT_EQ(shown->text(), "Invalid database file.");
    EXPECT_EQ(shown->standardButtons(), QMessageBox::Ok);
    bool detailShownAsWritten = false;
    for (const QLabel* label : shown->findChildren<QLabel*>()) {
        if (label->text().contains("<b>20</b>"))
            detailShownAsWritten = label->textFormat() == Qt::PlainText;
    }
    EXPECT_TRUE(detailShownAsWritten) << "a bank's header is never read as markup";
    EXPECT_EQ(dismissed, 0);
    shown->button(QMessageBox::Ok)->click();
    test::settle();
    EXPECT_EQ(dismissed, 1);
}

TEST(Layout, CentredLabelsKeepTheirTextAtTheTop)
{
    ProgramUnderTest program;
    frmDrive1& drive = program.openExam();
    EXPECT_EQ(drive.lblElapsed->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    CopyR about(&program.welcome(), program.shell, about::webAddress(program.folder.path()));
    EXPECT_EQ(about.Label5->alignment(), Qt::AlignHCenter | Qt::AlignTop);
}

TEST(AboutWindow, TheLinkHasItsOwnPointingHand)
{
    ProgramUnderTest program;
    CopyR about(&program.welcome(), program.shell, about::webAddress(program.folder.path()));
    const QCursor cursor = about.Label5->cursor();
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

TEST(ExamWindow, AStrayEnterNeverAbandonsTheExam)
{
    ProgramUnderTest program;
    frmDrive1& drive = program.startExam();
    program.modals.then([](QWidget* verdict) { QTest::keyClick(verdict, Qt::Key_Return); });
    drive.cmdAns.at(0)->click();
    test::settle();
    ASSERT_EQ(program.modals.messages.size(), 1) << "Enter dismissed the verdict";
    ASSERT_EQ(drive.focusWidget(), drive.cmdExit);
    QTest::keyClick(drive.cmdExit, Qt::Key_Return);
    QTest::keyClick(drive.cmdExit, Qt::Key_Enter);
    test::settle();
    ASSERT_EQ(program.drive(), &drive) << "a second Enter does not press Return";
    EXPECT_EQ(drive.lblQno->text(), "2");
    QTest::keyClick(drive.cmdExit, Qt::Key_Space);
    test::settle();
    EXPECT_EQ(program.drive(), nullptr) << "Space presses the focused Return";
}

TEST(ExamWindow, AScreenReaderHearsTheClockTheNumberAndThePicture)
{
    ProgramUnderTest program;
    test::writePicture(program.folder.path(), "stop.png", {40, 30}, Qt::red);
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/stop.png";
    program.folder.writeBank(lines);
    frmDrive1& drive = program.startExam();
    program.tick(187.0F);
    EXPECT_EQ(accessibleName(drive.lblElapsed), "3:07") << "the value itself";
    EXPECT_TRUE(labelsOf(drive.lblElapsed).contains(drive.Label1)) << "labelled by \"Time\"";
    EXPECT_EQ(accessibleDescription(drive.lblElapsed), "Time");
    EXPECT_EQ(accessibleName(drive.lblQno), "1");
    EXPECT_TRUE(labelsOf(drive.lblQno).contains(drive.Label2)) << "labelled by \"Question\"";
    EXPECT_EQ(accessibleDescription(drive.imgImage1), "Picture stop.png");
    program.answer(true);
    EXPECT_EQ(accessibleName(drive.lblQno), "2");
    EXPECT_EQ(accessibleDescription(drive.imgImage1), "No picture");
}

// Cases of the design that no other test takes through the windows.

TEST(ExamWindow, EmptyAnswersAndTextlessRecordsShowWhatTheyHave)
{
    ProgramUnderTest program;
    test::writePicture(program.folder.path(), "two.png", {20, 20}, Qt::green);
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/2";
    lines.removeAt(lines.indexOf("1. Answer 1a"));
    lines.removeAt(lines.indexOf("3. Answer 1c"));
    lines[lines.indexOf("Q.t2/id2/1")] = "Q.t2/id2/1/two.png";
    lines.removeAt(lines.indexOf("Question 2"));
    program.folder.writeBank(lines);
    frmDrive1& drive = program.startExam();
    for (const int row : {0, 2}) {
        EXPECT_TRUE(drive.Option1.at(row)->isVisible()) << row;
        EXPECT_TRUE(drive.Option1.at(row)->text().isEmpty()) << row;
        EXPECT_TRUE(drive.cmdAns.at(row)->isVisible()) << row;
    }
    program.press(2);
    EXPECT_EQ(program.modals.messages.last(), "Wrong.  The correct answer is B") << "an empty row can be pressed";
    EXPECT_EQ(drive.txtText1->toPlainText(), "Question 1") << "no text: the previous one stays";
    EXPECT_FALSE(drive.imgImage1->pixmap().isNull()) << "but its own picture shows";
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
        scoreWhileOpen = program.welcome().session().score();
        test::pressOk(verdict);
    });
    program.press(1);
    EXPECT_EQ(program.modals.messages.last(), "Correct");
    EXPECT_TRUE(program.player.commands.isEmpty()) << "no sound";
    EXPECT_EQ(scoreWhileOpen, 0);
    EXPECT_EQ(program.welcome().session().score(), 1) << "counted after the message is closed";
    EXPECT_EQ(program.drive()->lblQno->text(), "2");
}

TEST(ExamWindow, NoRightAnswersAndAResultJustBeforeTheLimit)
{
    ProgramUnderTest program;
    frmDrive1& drive = program.startExam();
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
    frmDrive1& drive = program.startExam();
    program.tick(61.0F);
    ASSERT_EQ(drive.lblElapsed->text(), "1:01");
    QStringList written;
    QObject::connect(&program.welcome().session(), &ExamSession::elapsedChanged,
        [&](const QString& caption) { written << caption; });
    drive.cmdExit->click();
    test::settle();
    program.tick(30.0F);
    program.tick(900.0F);
    EXPECT_TRUE(written.isEmpty()) << "after Return";

    frmDrive1& again = program.startExam();
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
    QtWavePlayer silent; // the real player, over a folder that has no wave files
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
    frmDrive1& drive = program.startExam();
    program.answer(true);
    drive.cmdStart->click();
    QTest::keyClick(drive.cmdStart, Qt::Key_Space);
    test::settle();
    EXPECT_EQ(drive.lblQno->text(), "2") << "the exam goes on where it was";
    EXPECT_EQ(program.welcome().session().score(), 1);
}

TEST(ExamWindow, ASecondOpeningShowsTheInstructionsAndOnlyReturnMovesOnResize)
{
    ProgramUnderTest program;
    program.startExam();
    program.drive()->cmdExit->click();
    test::settle();
    frmDrive1& again = program.openExam();
    EXPECT_TRUE(again.txtText1->toPlainText().startsWith("This exam tests your knowledge"));
    EXPECT_TRUE(again.cmdStart->isVisible());
    again.setWindowState(Qt::WindowNoState);
    test::settle();
    QList<QWidget*> others;
    for (QWidget* child : again.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != again.cmdExit)
            others << child;
    }
    QList<QRect> before;
    for (QWidget* w : others)
        before << w->geometry();
    const QPoint returnBefore = again.cmdExit->pos();
    again.setFixedSize(500, 300);
    for (qsizetype i = 0; i < others.size(); ++i)
        EXPECT_EQ(others.at(i)->geometry(), before.at(i)) << others.at(i)->objectName().toStdString();
    EXPECT_NE(again.cmdExit->pos(), returnBefore) << "Return follows the corner";
}

} // namespace
} // namespace veltrin
