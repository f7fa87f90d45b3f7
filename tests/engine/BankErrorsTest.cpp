// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Banks the program cannot give an exam from: each is refused with a detail
// that says what is wrong and where, and nothing is left open.

#include "engine/Exam.h"
#include "support/Fakes.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

#include <QDir>

namespace veltrin {
namespace {

using test::ScriptedRandom;
using test::TestFolder;

struct Refusal {
    qint64 line;
    QString detail;
};

Refusal refuse(const TestFolder& folder, ScriptedRandom random = ScriptedRandom {})
{
    Exam exam;
    const bool started = exam.start(folder.path(), random);
    EXPECT_FALSE(started);
    EXPECT_FALSE(exam.bank().isOpen()) << "a refused bank is closed";
    return {exam.error().line, exam.error().detail()};
}

TEST(BankErrors, MissingFile)
{
    TestFolder folder; // no bank written
    const Refusal r = refuse(folder);
    EXPECT_EQ(r.line, 0);
    EXPECT_TRUE(r.detail.contains("veltrin.dll")) << r.detail.toStdString();
    EXPECT_TRUE(r.detail.endsWith("cannot be read: there is no such file.")) << r.detail.toStdString();
}

TEST(BankErrors, UnreadableFile)
{
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("veltrin.dll")) << "a folder where the bank should be";
    const Refusal r = refuse(folder);
    EXPECT_TRUE(r.detail.endsWith("cannot be read: it is a folder, not a file.")) << r.detail.toStdString();
}

TEST(BankErrors, NothingAfterTheHeader)
{
    for (const bool terminated : {true, false}) {
        TestFolder folder;
        folder.writeBank({"20 Copyright"}, "\r\n", terminated);
        const Refusal r = refuse(folder);
        EXPECT_EQ(r.line, 1);
        EXPECT_TRUE(r.detail.contains("no questions")) << r.detail.toStdString();
    }
}

TEST(BankErrors, FilesThatAreNoBankSayWhatTheyAre)
{
    TestFolder empty;
    empty.writeBankBytes("");
    EXPECT_EQ(refuse(empty).detail, "The file is empty.");

    // A picture saved under the bank's name.
    TestFolder picture;
    picture.writeBankBytes(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) + "20 Copyright\r\n");
    const Refusal r = refuse(picture);
    EXPECT_EQ(r.line, 0);
    EXPECT_TRUE(r.detail.startsWith("The file is not a text file")) << r.detail.toStdString();

    TestFolder headless;
    headless.writeBank(test::bank(20, 20).mid(1));
    const Refusal h = refuse(headless);
    EXPECT_EQ(h.line, 1);
    EXPECT_TRUE(h.detail.contains("the first line must be the header")) << h.detail.toStdString();
    EXPECT_TRUE(h.detail.contains("\"20 Copyright 2026 My Driving School\"")) << "with an example";
}

TEST(BankErrors, HeaderCountMustBeAWholeNumberFrom20To32767)
{
    for (const char* head : {"19 Copyright", "0 Copyright", "32768 Copyright", "-25 Copyright", "25x Copyright",
             "twenty Copyright", " 25 Copyright", "2.5e1 Copyright", "99999999999999999999 Copyright"}) {
        TestFolder folder;
        folder.writeBank(QStringList {head} + test::bank(0, 25).mid(1));
        const Refusal r = refuse(folder);
        EXPECT_EQ(r.line, 1) << head;
        EXPECT_TRUE(r.detail.contains("from 20 to 32767")) << head << ": " << r.detail.toStdString();
    }
    TestFolder noSpace;
    noSpace.writeBank(QStringList {"25Copyright"} + test::bank(0, 25).mid(1));
    const Refusal r = refuse(noSpace);
    EXPECT_EQ(r.line, 1);
    EXPECT_TRUE(r.detail.contains("followed by a space")) << r.detail.toStdString();
}

TEST(BankErrors, CopyrightInAnotherLetterCaseIsToldApart)
{
    TestFolder lower;
    lower.writeBank(QStringList {"20 copyright 2026"} + test::bank(20, 20).mid(1));
    const Refusal r = refuse(lower);
    EXPECT_EQ(r.detail,
        "Line 1: the header does not contain the word \"Copyright\" (with a capital C: the word in other "
        "letter case does not count).");
    TestFolder none;
    none.writeBank(QStringList {"20 Questions 2026"} + test::bank(20, 20).mid(1));
    EXPECT_EQ(refuse(none).detail, "Line 1: the header does not contain the word \"Copyright\".")
        << "no word to tell apart: no remark about its case";
}

TEST(BankErrors, FewerRecordsThanTheHeaderDeclares)
{
    // 30 declared, 25 present: refused at the header, where the count is
    // mended, whether or not the draw wants a record that is not there.
    TestFolder folder;
    folder.writeBank(test::bank(30, 25));
    std::vector<int> wantsMissing {30};
    std::vector<int> wantsPresent;
    for (int n = 1; n <= 19; ++n)
        wantsMissing.push_back(n);
    for (int n = 1; n <= 20; ++n)
        wantsPresent.push_back(n);
    for (const auto& wanted : {wantsMissing, wantsPresent}) {
        const Refusal r = refuse(folder, ScriptedRandom(test::shuffleTo(30, wanted)));
        EXPECT_EQ(r.detail, "Line 1: the header declares 30 questions, but the file ends after question 25.");
    }
}

TEST(BankErrors, DrawnRecordWithTooFewSlashes)
{
    QStringList lines = test::bank(20, 20);
    const qsizetype at = lines.indexOf("Q.t7/id7/1");
    ASSERT_GE(at, 0);
    lines[at] = "Q.t7-id7-1";
    TestFolder folder;
    folder.writeBank(lines);
    const Refusal r = refuse(folder);
    EXPECT_EQ(r.line, at + 1);
    EXPECT_TRUE(r.detail.contains("question 7")) << r.detail.toStdString();
    EXPECT_TRUE(r.detail.contains("fewer than two")) << r.detail.toStdString();
}

TEST(BankErrors, DrawnRecordWhoseRightAnswerIsNotOneToFour)
{
    for (const char* field : {"5", "0", "", "B", "2x"}) {
        QStringList lines = test::bank(20, 20);
        const qsizetype at = lines.indexOf("Q.t3/id3/1");
        lines[at] = QStringLiteral("Q.t3/id3/%1").arg(field);
        TestFolder folder;
        folder.writeBank(lines);
        const Refusal r = refuse(folder);
        EXPECT_EQ(r.line, at + 1) << field;
        EXPECT_TRUE(r.detail.contains("from 1 to 4")) << r.detail.toStdString();
    }
}

TEST(BankErrors, AFaultInARecordNotDrawnIsRefusedAtEveryStart)
{
    // 25 records; question 8 names answer 5. Draws that leave it out are
    // refused the same as one that takes it.
    QStringList lines = test::bank(25, 25);
    const qsizetype at = lines.indexOf("Q.t8/id8/1");
    lines[at] = "Q.t8/id8/5";
    TestFolder folder;
    folder.writeBank(lines);
    std::vector<int> withoutEight;
    std::vector<int> lastTwenty;
    for (int n = 1; n <= 25; ++n) {
        if (n != 8)
            withoutEight.push_back(n);
        if (n > 5)
            lastTwenty.push_back(n);
    }
    for (const auto& wanted : {withoutEight, lastTwenty, std::vector<int> {8}}) {
        const Refusal r = refuse(folder, ScriptedRandom(test::shuffleTo(25, wanted)));
        EXPECT_EQ(r.line, at + 1);
        EXPECT_TRUE(r.detail.contains("question 8 gives \"5\"")) << r.detail.toStdString();
    }
}

TEST(BankErrors, QuestionsThatCanNeverBeAnsweredRight)
{
    // Three answers, keyed to a fourth; no answers at all.
    QStringList lines = test::bank(20, 20);
    const qsizetype third = lines.indexOf("Q.t3/id3/1");
    lines[third] = "Q.t3/id3/4";
    lines.removeAt(lines.indexOf("4. Answer 3d"));
    TestFolder keyedFour;
    keyedFour.writeBank(lines);
    EXPECT_EQ(refuse(keyedFour).detail,
        QString("Line %1: question 3 names answer 4 as right, but answer 4 is empty and the question shows no "
                "button D, so it can never be answered right.")
            .arg(third + 1));

    lines = test::bank(20, 20);
    const qsizetype sixth = lines.indexOf("Q.t6/id6/1");
    for (const char* answer : {"1. Answer 6a", "2. Answer 6b", "3. Answer 6c", "4. Answer 6d"})
        lines.removeAt(lines.indexOf(answer));
    TestFolder noAnswers;
    noAnswers.writeBank(lines);
    const Refusal r = refuse(noAnswers);
    EXPECT_EQ(r.line, sixth + 1);
    EXPECT_TRUE(r.detail.contains("answer 1 is empty, so it can never be answered right")) << r.detail.toStdString();
}

TEST(BankErrors, LetteredAnswersAreSaidToStartWithOneToFour)
{
    QStringList lines = test::bank(20, 20);
    for (int n = 1; n <= 20; ++n) {
        for (int a = 0; a < 4; ++a) {
            const qsizetype i = lines.indexOf(QString("%1. Answer %2%3").arg(a + 1).arg(n).arg(QChar('a' + a)));
            lines[i] = QString("%1. Answer").arg(QChar('A' + a));
        }
    }
    TestFolder folder;
    folder.writeBank(lines);
    const Refusal r = refuse(folder);
    EXPECT_EQ(r.line, 4) << "the first lettered line";
    EXPECT_EQ(
        r.detail, "Line 4: question 1 letters its answers \"A.\" to \"D.\"; answers start with \"1.\" to \"4.\".");
}

TEST(BankErrors, DrawnRecordNotEndedByAnEmptyLine)
{
    // Record 4 runs straight into record 5: one read takes both, so record 4
    // can never be read on its own.
    QStringList lines = test::bank(20, 20);
    const qsizetype fifth = lines.indexOf("Q.t5/id5/1");
    lines.removeAt(fifth - 1);
    TestFolder folder;
    folder.writeBank(lines);
    const Refusal r = refuse(folder);
    EXPECT_EQ(r.line, fifth);
    EXPECT_TRUE(r.detail.contains("question 4 cannot be read")) << r.detail.toStdString();
}

TEST(BankErrors, OverlongLine)
{
    QStringList lines = test::bank(20, 20);
    lines.insert(3, QString(200000, QLatin1Char('x')));
    TestFolder folder;
    folder.writeBank(lines);
    const Refusal r = refuse(folder);
    EXPECT_EQ(r.line, 4);
    EXPECT_TRUE(r.detail.contains("longer than")) << r.detail.toStdString();
}

} // namespace
} // namespace veltrin
