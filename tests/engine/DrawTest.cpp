// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which questions an exam asks, and in what order, for a fixed random sequence.

#include "engine/Exam.h"
#include "support/Fakes.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

namespace veltrin {
namespace {

using test::ScriptedRandom;
using test::TestFolder;

// The record number a question of the test banks came from ("Question 17").
int recordOf(const QRecord& q)
{
    return q.text.section(' ', 1).toInt();
}

std::vector<int> askedInOrder(Exam& exam)
{
    std::vector<int> asked;
    while (exam.advance())
        asked.push_back(recordOf(exam.curq()));
    return asked;
}

TEST(Draw, WorkedExample)
{
    // Drawn numbers in draw order begin 40, 7, 19; 7 and 19 are the two
    // smallest of the twenty.
    const std::vector<int> wanted {40, 7, 19, 55, 61, 23, 90, 31, 48, 77, 66, 84, 29, 99, 52, 71, 38, 45, 88, 93};
    TestFolder folder;
    folder.writeBank(test::bank(100, 100));
    ScriptedRandom random(test::shuffleTo(100, wanted));
    Exam exam;
    ASSERT_TRUE(exam.start(folder.path(), random)) << exam.error().detail().toStdString();

    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(exam.drawn(i), wanted[i - 1]);
    EXPECT_EQ(exam.qorder(1), 2);
    EXPECT_EQ(exam.qorder(2), 3);
    EXPECT_EQ(recordOf(exam.examq(1)), 7);
    EXPECT_EQ(recordOf(exam.examq(2)), 19);
    // Slot s holds the s-th smallest drawn record.
    std::vector<int> sorted = wanted;
    std::sort(sorted.begin(), sorted.end());
    for (int s = 1; s <= 20; ++s)
        EXPECT_EQ(recordOf(exam.examq(s)), sorted[s - 1]) << "slot " << s;

    EXPECT_EQ(exam.score(), 0);
    EXPECT_EQ(exam.qno(), 0);
    const auto asked = askedInOrder(exam);
    ASSERT_EQ(asked.size(), 20U);
    EXPECT_EQ(asked[0], 19) << "question 1 presents examq(qorder(1)) = examq(2)";
    EXPECT_EQ(asked[1], sorted[2]) << "question 2 presents examq(3), the third-smallest";
    // Question q is the record of rank qorder(q).
    for (int q = 1; q <= 20; ++q)
        EXPECT_EQ(asked[q - 1], sorted[exam.qorder(q) - 1]);
}

TEST(Draw, ShuffleUsesOneNumberPerPositionFromTheTop)
{
    // A source that always gives 0 exchanges position i with position 1 at
    // every step: the deck rotates.
    ScriptedRandom zeros({0.0F});
    Exam exam;
    exam.draw(25, zeros);
    EXPECT_EQ(zeros.taken, 24U) << "one number for each position from 25 down to 2";
    EXPECT_EQ(exam.deck().size(), 26U);
    std::set<int> values(exam.deck().begin() + 1, exam.deck().end());
    EXPECT_EQ(values.size(), 25U) << "a permutation of 1..25";
    EXPECT_EQ(*values.begin(), 1);
    EXPECT_EQ(*values.rbegin(), 25);

    // The largest number below 1 keeps every position where it is.
    ScriptedRandom top({test::kKeepsTheDeckInOrder});
    Exam kept;
    kept.draw(32767, top);
    for (int i = 1; i <= 32767; ++i)
        ASSERT_EQ(kept.deck()[i], i) << "r just below 1 picks j = i at every step";
}

TEST(Draw, TwentyRecordsAreAllAskedOnce)
{
    TestFolder folder;
    folder.writeBank(test::bank(20, 20));
    for (const float r : {0.0F, 0.3F, 0.77F}) {
        ScriptedRandom random({r});
        Exam exam;
        ASSERT_TRUE(exam.start(folder.path(), random));
        auto asked = askedInOrder(exam);
        std::sort(asked.begin(), asked.end());
        std::vector<int> all(20);
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(asked, all);
        EXPECT_EQ(exam.qno(), 21);
        EXPECT_FALSE(exam.bank().isOpen());
    }
}

TEST(Draw, RecordsAfterTheDeclaredCountAreNeverAsked)
{
    TestFolder folder;
    folder.writeBank(test::bank(22, 30));
    for (int seed = 0; seed < 50; ++seed) {
        std::vector<float> numbers;
        for (int i = 0; i < 21; ++i)
            numbers.push_back(static_cast<float>((seed * 37 + i * 11) % 100) / 100.0F);
        ScriptedRandom random(numbers);
        Exam exam;
        ASSERT_TRUE(exam.start(folder.path(), random));
        for (const int n : askedInOrder(exam))
            ASSERT_LE(n, 22);
    }
}

TEST(Draw, ReadsOnToTheEndOfTheFileAfterTheTwentiethWantedRecord)
{
    // Records 1..20 are wanted out of 40: the one pass goes on to check the
    // rest of the bank, and the file is closed at its end.
    TestFolder folder;
    folder.writeBank(test::bank(40, 40));
    std::vector<int> wanted(20);
    std::iota(wanted.begin(), wanted.end(), 1);
    ScriptedRandom random(test::shuffleTo(40, wanted));
    Exam exam;
    ASSERT_TRUE(exam.start(folder.path(), random));
    EXPECT_EQ(exam.bank().dbeof, 1);
    EXPECT_FALSE(exam.bank().isOpen());
    EXPECT_EQ(exam.bank().recno, 40);
    EXPECT_EQ(exam.examq(20).text, "Question 20");
}

TEST(Draw, TheLastRecordOfTheBankCanBeTheTwentiethWanted)
{
    // The wanted record 40 is the last record and the file ends with its "4."
    // line: the loop ends through the end of the file, with the record whole.
    QStringList lines = test::bank(40, 40);
    lines.removeLast(); // no empty line at the end
    TestFolder folder;
    folder.writeBank(lines, "\r\n", false);
    std::vector<int> wanted(19);
    std::iota(wanted.begin(), wanted.end(), 1);
    wanted.push_back(40);
    ScriptedRandom random(test::shuffleTo(40, wanted));
    Exam exam;
    ASSERT_TRUE(exam.start(folder.path(), random)) << exam.error().detail().toStdString();
    EXPECT_EQ(exam.bank().dbeof, 1);
    EXPECT_FALSE(exam.bank().isOpen());
    EXPECT_EQ(exam.examq(20).answer[3], "Answer 40d");
}

} // namespace
} // namespace veltrin
