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
    EXPECT_TRUE(r.detail.contains("cannot be read")) << r.detail.toStdString();
}

TEST(BankErrors, UnreadableFile)
{
    TestFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("veltrin.dll")) << "a folder where the bank should be";
    const Refusal r = refuse(folder);
    EXPECT_TRUE(r.detail.contains("cannot be read")) << r.detail.toStdString();
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
    TestFolder empty;
    empty.writeBankBytes("");
    EXPECT_EQ(refuse(empty).line, 1);
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
    // 30 declared, 25 present; the draw wants record 30.
    TestFolder folder;
    folder.writeBank(test::bank(30, 25));
    std::vector<int> wanted {30};
    for (int n = 1; n <= 19; ++n)
        wanted.push_back(n);
    const Refusal r = refuse(folder, ScriptedRandom(test::shuffleTo(30, wanted)));
    EXPECT_TRUE(r.detail.contains("after question 25")) << r.detail.toStdString();
    EXPECT_TRUE(r.detail.contains("the header on line 1 declares 30 questions")) << "points to the line to mend";
    EXPECT_GT(r.line, 1);
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

TEST(BankErrors, FaultsInRecordsThatAreNotDrawnDoNotMatter)
{
    // 21 records; record 5 is broken but the draw leaves it out.
    QStringList lines = test::bank(21, 21);
    lines[lines.indexOf("Q.t5/id5/1")] = "Q.broken";
    TestFolder folder;
    folder.writeBank(lines);
    std::vector<int> wanted;
    for (int n = 1; n <= 21; ++n) {
        if (n != 5)
            wanted.push_back(n);
    }
    ScriptedRandom random(test::shuffleTo(21, wanted));
    Exam exam;
    EXPECT_TRUE(exam.start(folder.path(), random)) << exam.error().detail().toStdString();
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
