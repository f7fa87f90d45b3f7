// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exam window as it looks and reads: its fixed border, pictures named the
// way banks name them, labels, what a screen reader hears, and keys that must
// not throw an exam away.

#include "support/WindowHarness.h"
#include "windows/Look.h"
#include "windows/Twips.h"
#include "windows/frmDrive1.h"
#include "windows/frmWelcome.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

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

TEST(ExamWindow, TheBorderIsFixedAndTheFrameStaysOnScreen)
{
    ProgramUnderTest program;
    test::ExamView drive = program.openExam();
    EXPECT_TRUE(drive->isMaximized()) << "it opens maximized";
    drive->setWindowState(Qt::WindowNoState); // a window manager restores it
    test::settle();
    EXPECT_EQ(drive->minimumSize(), drive->maximumSize()) << "the user cannot resize it";
    const QRect area = drive->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(drive->frameGeometry()))
        << "frame on screen, title bar reachable: " << drive->frameGeometry().x() << "," << drive->frameGeometry().y()
        << " " << drive->frameGeometry().width() << "x" << drive->frameGeometry().height() << " in " << area.width()
        << "x" << area.height();
    const QSize inset = test::insetFromBottomRight(drive.cmdExit);
    EXPECT_NEAR(inset.width(), twipsToPixels(500), 1);
    EXPECT_NEAR(inset.height(), twipsToPixels(500), 1);
}

TEST(ExamWindow, PictureNamesResolveAsAfterTheProgramFolder)
{
    ProgramUnderTest program;
    QDir(program.folder.path()).mkdir("inner");
    test::writePicture(program.folder.path(), "stop.png", {40, 30}, Qt::blue);
    // A real picture beside the program folder, which no bank may reach.
    const QString outside = QStringLiteral("outside-%1.png").arg(QCoreApplication::applicationPid());
    test::writePicture(program.folder.path() + "/..", outside, {40, 30}, Qt::red);
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/\\stop.png";
    lines[lines.indexOf("Q.t2/id2/1")] = "Q.t2/id2/1/inner\\..\\stop.png";
    lines[lines.indexOf("Q.t3/id3/1")] = "Q.t3/id3/1/..\\" + outside;
    program.folder.writeBank(lines);
    test::ExamView drive = program.startExam();
    EXPECT_FALSE(drive.imgImage1->pixmap().isNull()) << "a leading separator";
    program.answer(true);
    EXPECT_FALSE(drive.imgImage1->pixmap().isNull()) << "a \"..\" that stays inside";
    program.answer(true);
    EXPECT_TRUE(drive.imgImage1->pixmap().isNull()) << "a \"..\" that climbs out";
    EXPECT_TRUE(drive.imgImage1->text().contains("cannot be shown"));
    QFile::remove(program.folder.path() + "/../" + outside);
}

// The rows and columns of a label's picture where its text is drawn: the
// bounding box of the pixels that differ from its corner's colour, inside a
// frame of `inset` pixels.
QRect inkOf(QWidget* label, int inset)
{
    const QImage image = label->grab().toImage();
    const QColor background = image.pixelColor(inset, inset);
    QRect ink;
    for (int y = inset; y < image.height() - inset; ++y) {
        for (int x = inset; x < image.width() - inset; ++x) {
            if (image.pixelColor(x, y) != background)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

TEST(ExamWindow, TheClockAndNumberAreDrawnAtTheTopCentreOfTheirBoxes)
{
    ProgramUnderTest program;
    const test::ExamView drive = program.startExam();
    program.tick(61.0F);
    for (QLabel* label : {drive.lblElapsed, drive.lblQno}) {
        const QRect ink = inkOf(label, 2);
        ASSERT_FALSE(ink.isEmpty()) << label->objectName().toStdString();
        EXPECT_LE(ink.top(), label->height() / 3) << label->objectName().toStdString() << ": text at the top";
        const int left = ink.left();
        const int right = label->width() - 1 - ink.right();
        EXPECT_NEAR(left, right, 3) << label->objectName().toStdString() << ": centred across";
    }
}

// How many pixels of a control's picture are drawn in the focus frame's colour.
int framePixels(QWidget* control)
{
    const QImage image = control->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == kFocusFrame ? 1 : 0;
    }
    return count;
}

TEST(Windows, TheFocusedButtonIsFramedOnWhiteAndOnYellow)
{
    // Space presses the focused button: the user must see which it is before
    // pressing any key, on the welcome window (Exit) and the exam window
    // (Return) alike.
    ProgramUnderTest program;
    const test::WelcomeView welcome = program.welcome();
    welcome->activateWindow();
    QApplication::setActiveWindow(welcome.window);
    ASSERT_EQ(welcome->focusWidget(), welcome.cmdExit);
    EXPECT_GT(framePixels(welcome.cmdExit), 20) << "Exit, focused at the start";
    EXPECT_EQ(framePixels(welcome.cmdContinue), 0);

    const test::ExamView drive = program.startExam();
    QApplication::setActiveWindow(drive.window);
    ASSERT_EQ(drive->focusWidget(), drive.cmdExit);
    EXPECT_GT(framePixels(drive.cmdExit), 20) << "Return, on the yellow window";
    EXPECT_EQ(framePixels(drive.cmdAns.at(0)), 0);
    // Dark enough to read on the light yellow: a contrast of at least 4.5 to 1.
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    EXPECT_GE((luminance(kLightYellow) + 0.05) / (luminance(kFocusFrame) + 0.05), 4.5);
}

TEST(ExamWindow, AStrayEnterNeverAbandonsTheExam)
{
    ProgramUnderTest program;
    test::ExamView drive = program.startExam();
    program.modals.then([](QWidget* verdict) { QTest::keyClick(verdict, Qt::Key_Return); });
    drive.cmdAns.at(0)->click();
    test::settle();
    ASSERT_EQ(program.modals.messages.size(), 1) << "Enter dismissed the verdict";
    ASSERT_EQ(drive->focusWidget(), drive.cmdExit);
    QTest::keyClick(drive.cmdExit, Qt::Key_Return);
    QTest::keyClick(drive.cmdExit, Qt::Key_Enter);
    test::settle();
    ASSERT_EQ(program.drive(), drive.window) << "a second Enter does not press Return";
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
    test::ExamView drive = program.startExam();
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
    test::ExamView drive = program.startExam();
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

TEST(ExamWindow, ASecondOpeningShowsTheInstructionsAndOnlyReturnMovesOnResize)
{
    ProgramUnderTest program;
    program.startExam();
    program.exam().cmdExit->click();
    test::settle();
    test::ExamView again = program.openExam();
    EXPECT_TRUE(again.txtText1->toPlainText().startsWith("This exam tests your knowledge"));
    EXPECT_TRUE(again.cmdStart->isVisible());
    again->setWindowState(Qt::WindowNoState);
    test::settle();
    QList<QWidget*> others;
    for (QWidget* child : again->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != again.cmdExit)
            others << child;
    }
    QList<QRect> before;
    for (QWidget* w : others)
        before << w->geometry();
    const QPoint returnBefore = again.cmdExit->pos();
    again->setFixedSize(500, 300);
    for (qsizetype i = 0; i < others.size(); ++i)
        EXPECT_EQ(others.at(i)->geometry(), before.at(i)) << others.at(i)->objectName().toStdString();
    EXPECT_NE(again.cmdExit->pos(), returnBefore) << "Return follows the corner";
}

} // namespace
} // namespace veltrin
