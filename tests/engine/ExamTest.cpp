// Judging answers, the texts of the message window and the result.

#include "engine/Exam.h"
#include "engine/Messages.h"

#include <gtest/gtest.h>

namespace veltrin {
namespace {

QString verdictFor(const QString& correct, int index)
{
    Exam exam;
    exam.curq.correct = correct;
    return exam.verdict(index);
}

TEST(Judging, RightAnswerSaysCorrect)
{
    Exam exam;
    exam.curq.correct = "2";
    EXPECT_TRUE(exam.isRight(1));
    EXPECT_EQ(exam.verdict(1), "Correct");
    EXPECT_EQ(exam.score, 0) << "the point is counted by the caller once the message is closed";
}

TEST(Judging, WrongAnswerNamesTheRightLetter)
{
    EXPECT_EQ(verdictFor("3", 0), "Wrong.  The correct answer is C");
    EXPECT_EQ(verdictFor("1", 3), "Wrong.  The correct answer is A");
    EXPECT_EQ(verdictFor("4", 2), "Wrong.  The correct answer is D");
    EXPECT_EQ(verdictFor(" 4", 3), "Correct") << "the field is compared as a number";
}

TEST(Judging, WrongAnswerCueSplitsAtOneHalf)
{
    EXPECT_EQ(wrongAnswerCue(0.0F), "\\siren.wav");
    EXPECT_EQ(wrongAnswerCue(0.4999999F), "\\siren.wav");
    // 2r + 1 is taken in single precision: the last number below one half
    // rounds up to 2 there and gives the skid.
    EXPECT_EQ(wrongAnswerCue(0.49999997F), "\\skid1.wav");
    EXPECT_EQ(wrongAnswerCue(0.5F), "\\skid1.wav");
    EXPECT_EQ(wrongAnswerCue(0.99999994F), "\\skid1.wav");
}

TEST(Results, PassMarkIsSeventeen)
{
    EXPECT_EQ(resultText(16), "You Failed.  You had 16 correct answers out of 20.");
    EXPECT_EQ(resultCue(16), "\\skidbump.wav");
    EXPECT_EQ(resultText(17), "You Pass.  You had 17 correct answers out of 20.");
    EXPECT_EQ(resultCue(17), "\\honkyea.wav");
    EXPECT_EQ(resultText(20), "You Pass.  You had 20 correct answers out of 20.");
    EXPECT_EQ(resultText(0), "You Failed.  You had 0 correct answers out of 20.");
}

TEST(Results, TimeoutCountsTheQuestionOnScreen)
{
    EXPECT_EQ(timeoutText(9, 13), "You ran out of time.  You had 9 correct answers out of 13.");
}

TEST(Progression, TwentyQuestionsThenTheEnd)
{
    Exam exam;
    for (int s = 1; s <= 20; ++s) {
        exam.examq[s].text = QString::number(s);
        exam.qorder[s] = 21 - s;
    }
    for (int q = 1; q <= 20; ++q) {
        ASSERT_TRUE(exam.advance());
        EXPECT_EQ(exam.qno, q);
        EXPECT_EQ(exam.curq.text, QString::number(21 - q));
    }
    EXPECT_FALSE(exam.advance()) << "the twentieth answer is followed by the result";
    EXPECT_EQ(exam.qno, 21);
}

TEST(Instructions, ReadExactly)
{
    const QString expected
        = QString::fromLatin1("This exam tests your knowledge of driving rules in the United States.  "
                              "Since the rules differ from state to state, "
                              "refer to your state's motor vehicle laws for definitive answers.\r\n\r\n"
                              "You have 15 minutes to answer 20 questions.  "
                              "To pass the test, you must answer at least 17 questions correctly.\r\n\r\n"
                              "       Press the START button to begin.");
    EXPECT_EQ(instructionsText(), expected);
}

} // namespace
} // namespace veltrin
