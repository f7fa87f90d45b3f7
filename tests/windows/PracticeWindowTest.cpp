// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Practice in the windows: a verdict whose reason is long still fits on the
// screen and is read whole, and the review after the round lists the
// questions missed with the answers given and the right ones.

#include "support/WindowHarness.h"
#include "windows/Look.h"
#include "windows/frmDrive1.h"
#include "windows/frmPracticeMsg.h"
#include "windows/frmReview.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

// A program practising on a bank of 20 questions, 1 to 10 on "signs" and 11
// to 20 on "speed", answer A right throughout, with `reasons` as the bank's
// reasons file.
struct PracticeProgram {
    QTemporaryDir data;
    QStringList told;
    ProgramUnderTest program {
        nullptr, {}, Language::English, Practice {{}, data.path(), [this](const QString& note) { told << note; }}};

    explicit PracticeProgram(const QByteArray& reasons = {})
    {
        QStringList lines {QStringLiteral("20 Copyright practice bank")};
        for (int n = 1; n <= 20; ++n) {
            lines << QStringLiteral("Q.%1/q%2/1").arg(n <= 10 ? "signs" : "speed").arg(n)
                  << QStringLiteral("Question %1").arg(n) << QStringLiteral("1. Right %1").arg(n)
                  << QStringLiteral("2. Wrong %1").arg(n) << QStringLiteral("3. Other %1").arg(n) << QString();
        }
        program.folder.writeBank(lines);
        if (!reasons.isEmpty())
            program.folder.writeFile(QStringLiteral("veltrin.reasons"), reasons);
    }
};

// What a test sees of a practice message while it is open.
struct SeenMessage {
    QString text;
    QRect frame;
    QRect screen;
    bool fitsWithoutScrolling = false;
    bool scrollBarShown = false;
};

test::ModalResponder::Action look(SeenMessage& seen)
{
    return [&seen](QWidget* modal) {
        auto* label = modal->findChild<QLabel*>(QStringLiteral("Label1"));
        auto* scroller = modal->findChild<QScrollArea*>(QStringLiteral("scroller"));
        seen.text = label->text();
        seen.frame = modal->geometry();
        seen.screen = availableArea(modal);
        seen.fitsWithoutScrolling
            = label->heightForWidth(scroller->viewport()->width()) <= scroller->viewport()->height();
        seen.scrollBarShown = scroller->verticalScrollBar()->isVisible();
        test::pressOk(modal);
    };
}

TEST(PracticeWindow, AVerdictWithALongReasonFitsAndAHugeOneScrolls)
{
    const QString longReason = QStringLiteral("A long reason that goes on. ").repeated(25).trimmed();
    const QString hugeReason = QStringLiteral("A huge reason that goes on and on. ").repeated(400).trimmed();
    PracticeProgram practice(("q1|" + longReason + "|Manual, page 1\nq2|" + hugeReason + "|Manual, page 2\n").toUtf8());
    ProgramUnderTest& program = practice.program;
    test::ExamView drive = program.openExam();
    EXPECT_EQ(drive->windowTitle(), "Veltrin's Test – Practice");
    drive.cmdStart->click();
    test::settle();

    SeenMessage first;
    SeenMessage second;
    program.modals.then(look(first));
    program.modals.then(look(second));
    program.press(1); // wrong: B
    program.press(0); // right: A

    EXPECT_EQ(first.text, "Wrong.  The correct answer is A\n\n" + longReason + "\n\nSource: Manual, page 1");
    EXPECT_TRUE(first.screen.contains(first.frame)) << "the verdict goes off the screen";
    EXPECT_TRUE(first.fitsWithoutScrolling) << "a reason of some lines is read without scrolling";
    EXPECT_FALSE(first.scrollBarShown);

    EXPECT_TRUE(second.text.startsWith("Correct\n\n" + hugeReason)) << "the text is cut";
    EXPECT_TRUE(second.screen.contains(second.frame)) << "a huge reason pushes the window off the screen";
    EXPECT_TRUE(second.scrollBarShown) << "a huge reason cannot be read to its end";
    EXPECT_EQ(program.player.played().filter(QRegularExpression("skid1|siren")).size(), 1)
        << "a cue for the wrong answer alone, as in the exam";
}

TEST(PracticeWindow, TheReviewListsExactlyTheQuestionsMissed)
{
    PracticeProgram practice("q3|Stop means stop.|Manual, page 3\n");
    ProgramUnderTest& program = practice.program;
    program.startExam();
    for (int q = 1; q <= 19; ++q)
        program.press(q == 3 ? 1 : q == 12 ? 2 : 0);

    QStringList rows;
    std::vector<std::pair<QString, int>> bars;
    bool moreRows = false;
    program.modals.then(test::pressOk); // the verdict
    program.modals.then(test::pressOk); // the result
    program.modals.then([&](QWidget* review) {
        for (int i = 0;; ++i) {
            auto* row = review->findChild<QLabel*>(QStringLiteral("lblMissed%1").arg(i));
            if (row == nullptr)
                break;
            rows << row->text();
        }
        moreRows = rows.size() != 2;
        for (auto* bar : review->findChildren<QProgressBar*>())
            bars.emplace_back(bar->accessibleName(), bar->value());
        review->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    });
    program.press(0);

    ASSERT_EQ(rows.size(), 2) << rows.join(" | ").toStdString();
    EXPECT_EQ(rows.at(0),
        "Question 3\nYour answer: B. Wrong 3\nRight answer: A. Right 3\nStop means stop. (Source: Manual, page 3)");
    EXPECT_EQ(rows.at(1), "Question 12\nYour answer: C. Other 12\nRight answer: A. Right 12");
    EXPECT_FALSE(moreRows);
    EXPECT_EQ(program.modals.messages.last(), "You Pass.  You had 18 correct answers out of 20.");
    // Known: answered right, no open mistake.
    EXPECT_EQ(bars, (std::vector<std::pair<QString, int>> {{"signs", 9}, {"speed", 9}}));
    EXPECT_EQ(program.drive(), nullptr) << "Return on the review closes the exam window";
    EXPECT_TRUE(practice.told.isEmpty());
}

} // namespace
} // namespace veltrin
