// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts of the message window, the result and the cues.

#include "engine/Messages.h"

#include <gtest/gtest.h>

namespace veltrin {
namespace {

TEST(Judging, WrongAnswerCueSplitsAtOneHalf)
{
    EXPECT_EQ(wrongAnswerCue(0.0F), Cue::Siren);
    EXPECT_EQ(wrongAnswerCue(0.4999999F), Cue::Siren);
    // 2r + 1 is taken in single precision: the last number below one half
    // rounds up to 2 there and gives the skid.
    EXPECT_EQ(wrongAnswerCue(0.49999997F), Cue::Skid);
    EXPECT_EQ(wrongAnswerCue(0.5F), Cue::Skid);
    EXPECT_EQ(wrongAnswerCue(0.99999994F), Cue::Skid);
}

TEST(Results, PassMarkIsSeventeen)
{
    EXPECT_EQ(resultText(16), "You Failed.  You had 16 correct answers out of 20.");
    EXPECT_EQ(resultCue(16), Cue::Failed);
    EXPECT_EQ(resultText(17), "You Pass.  You had 17 correct answers out of 20.");
    EXPECT_EQ(resultCue(17), Cue::Passed);
    EXPECT_EQ(resultText(20), "You Pass.  You had 20 correct answers out of 20.");
    EXPECT_EQ(resultText(0), "You Failed.  You had 0 correct answers out of 20.");
}

TEST(Results, TimeoutCountsTheQuestionOnScreen)
{
    EXPECT_EQ(timeoutText(9, 13), "You ran out of time.  You had 9 correct answers out of 13.");
}

TEST(Instructions, NameTheExamsOwnLimitsAndPassMark)
{
    // The numbers come from the rules the exam keeps, so the instructions
    // cannot promise another time, length or pass mark than the exam has.
    const QString expected
        = QString::fromLatin1("This exam tests your knowledge of driving rules in the United States.  "
                              "Since the rules differ from state to state, "
                              "refer to your state's motor vehicle laws for definitive answers.\r\n\r\n"
                              "You have %1 minutes to answer %2 questions.  "
                              "To pass the test, you must answer at least %3 questions correctly.\r\n\r\n"
                              "       Press the START button to begin.")
              .arg(static_cast<int>(kExamSeconds / 60))
              .arg(kQuestionsPerExam)
              .arg(kPassMark);
    EXPECT_EQ(instructionsText(), expected);
    EXPECT_TRUE(passed(kPassMark));
    EXPECT_FALSE(passed(kPassMark - 1));
}

} // namespace
} // namespace veltrin
