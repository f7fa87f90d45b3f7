// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank reader against small banks written by each test.

#include "engine/BankReader.h"
#include "support/TestBank.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrin {
namespace {

using test::TestFolder;

// Reads a bank to its end the way the exam start does, keeping curq after
// every readq that started a record.
std::vector<QRecord> readAll(const TestFolder& folder)
{
    BankReader reader;
    EXPECT_TRUE(reader.openq(folder.path())) << reader.error().detail().toStdString();
    std::vector<QRecord> records;
    reader.recno = 0;
    while (reader.dbeof == 0) {
        const int before = reader.recno;
        reader.readq();
        if (reader.recno != before)
            records.push_back(reader.curq());
    }
    EXPECT_FALSE(reader.failed()) << reader.error().detail().toStdString();
    return records;
}

QStringList header()
{
    return {QStringLiteral("20 Copyright test")};
}

TEST(BankReader, ReadsEveryFieldOfARecord)
{
    TestFolder folder;
    folder.writeBank(header()
        + QStringList {"Q.signs/SG001/3/pictures\\stop.png", "What does this sign mean?", "1. Slow down", "2. Yield",
            "3. Stop", "4. Go", ""});
    const auto records = readAll(folder);
    ASSERT_EQ(records.size(), 1U);
    const QRecord& r = records[0];
    EXPECT_EQ(r.tag1, "signs");
    EXPECT_EQ(r.tag2, "SG001");
    EXPECT_EQ(r.correct, "3");
    EXPECT_EQ(r.picture, "pictures\\stop.png");
    EXPECT_EQ(r.text, "What does this sign mean?");
    EXPECT_EQ(r.answer, (std::array<QString, 4> {"Slow down", "Yield", "Stop", "Go"}));
}

TEST(BankReader, LastLineOfTheFileIsKept)
{
    // A bank that ends with its last "4." line, with or without a line break
    // after it, keeps that answer: the question stays a four-answer question.
    for (const bool terminated : {true, false}) {
        TestFolder folder;
        folder.writeBank(
            header() + QStringList {"Q.a/b/4", "Text", "1. A", "2. B", "3. C", "4. D"}, "\r\n", terminated);
        const auto records = readAll(folder);
        ASSERT_EQ(records.size(), 1U);
        EXPECT_EQ(records[0].answer[3], "D") << "terminated " << terminated;
    }
    // Ending with an empty line reads the same.
    TestFolder folder;
    folder.writeBank(header() + QStringList {"Q.a/b/4", "Text", "1. A", "2. B", "3. C", "4. D", ""});
    const auto records = readAll(folder);
    ASSERT_EQ(records.size(), 1U);
    EXPECT_EQ(records[0].answer[3], "D");
}

TEST(BankReader, SplitsTheRecordLineAtSlashes)
{
    TestFolder folder;
    folder.writeBank(
        header() + QStringList {"Q.one/two/2", "T", "", "Q.one/two/1/dir/sub/pic.png", "T", "", "Q.//4/", "T", ""});
    const auto records = readAll(folder);
    ASSERT_EQ(records.size(), 3U);
    EXPECT_EQ(records[0].correct, "2");
    EXPECT_TRUE(records[0].picture.isEmpty());
    EXPECT_EQ(records[1].correct, "1");
    EXPECT_EQ(records[1].picture, "dir/sub/pic.png");
    EXPECT_EQ(records[2].tag1, "");
    EXPECT_EQ(records[2].tag2, "");
    EXPECT_EQ(records[2].correct, "4");
    EXPECT_EQ(records[2].picture, "");
}

TEST(BankReader, SkipsTheThirdCharacterOfAnAnswerLine)
{
    TestFolder folder;
    folder.writeBank(
        header() + QStringList {"Q.a/b/1", "T", "1.Direct", "2.  Two spaces", "3.", "4. \xC3\xA9t\xC3\xA9", ""});
    const auto records = readAll(folder);
    ASSERT_EQ(records.size(), 1U);
    EXPECT_EQ(records[0].answer[0], "irect");
    EXPECT_EQ(records[0].answer[1], " Two spaces");
    EXPECT_EQ(records[0].answer[2], "");
    EXPECT_EQ(records[0].answer[3], QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
}

TEST(BankReader, ClassifiesLinesByTheirFirstTwoCharacters)
{
    TestFolder folder;
    folder.writeBank(header()
        + QStringList {"Q.a/b/1", "First text", "Second text wins", "2. Answer from a text that begins with 2.",
            "q.lower case is question text", "5. not an answer marker", "1. A", ""});
    const auto records = readAll(folder);
    ASSERT_EQ(records.size(), 1U);
    EXPECT_EQ(records[0].text, "5. not an answer marker");
    EXPECT_EQ(records[0].answer[1], "Answer from a text that begins with 2.");
    EXPECT_EQ(records[0].answer[0], "A");

    TestFolder lower;
    lower.writeBank(header() + QStringList {"Q.a/b/1", "T1", "", "q.x/y/2", "  ", ""});
    const auto two = readAll(lower);
    ASSERT_EQ(two.size(), 1U) << "a lower-case record marker starts no record";
}

TEST(BankReader, ARecordStartClearsWhatCameBefore)
{
    // Lines before a "Q." line belong to nobody: the record line clears them.
    TestFolder folder;
    folder.writeBank(header()
        + QStringList {"Q.a/b/1", "T", "1. A", "2. B", "3. C", "4. D", "", "Stray text", "4. Stray answer", "Q.c/d/2",
            "Own text", "1. X", ""});
    const auto records = readAll(folder);
    ASSERT_EQ(records.size(), 2U);
    EXPECT_EQ(records[1].text, "Own text");
    EXPECT_EQ(records[1].answer[3], "");
    EXPECT_EQ(records[1].answer[1], "");
}

TEST(BankReader, EmptyLinesBetweenRecordsChangeNothing)
{
    TestFolder folder;
    folder.writeBank(
        header() + QStringList {"", "", "Q.a/b/1", "T1", "1. A", "", "", "", "Q.c/d/2", "T2", "1. B", "", ""});
    BankReader reader;
    ASSERT_TRUE(reader.openq(folder.path()));
    reader.recno = 0;
    int calls = 0;
    while (reader.dbeof == 0) {
        reader.readq();
        ++calls;
    }
    EXPECT_EQ(reader.recno, 2);
    EXPECT_EQ(reader.curq().text, "T2");
    EXPECT_GT(calls, 2) << "each empty line ends a read";
}

TEST(BankReader, HeaderNeedsCopyrightExactly)
{
    TestFolder anywhere;
    anywhere.writeBank(QStringList {"250 questions, (c) Copyright 2026"} + test::record(1));
    BankReader reader;
    ASSERT_TRUE(reader.openq(anywhere.path()));
    EXPECT_EQ(reader.dbcount, "250");

    for (const char* line : {"250 COPYRIGHT", "250 copyright", "250 Copy right"}) {
        TestFolder folder;
        folder.writeBank(QStringList {line} + test::record(1));
        BankReader r;
        EXPECT_FALSE(r.openq(folder.path())) << line;
        EXPECT_EQ(r.error().line, 1);
        EXPECT_TRUE(r.error().detail().contains("Copyright")) << r.error().detail().toStdString();
        EXPECT_FALSE(r.isOpen());
    }
}

TEST(BankReader, ReadsLineFeedOnlyAndCrLfBanksAlike)
{
    const QStringList lines = header() + test::record(1, 2) + test::record(2, 3);
    TestFolder crlf;
    crlf.writeBank(lines, "\r\n");
    TestFolder lf;
    lf.writeBank(lines, "\n");
    EXPECT_EQ(readAll(crlf), readAll(lf));
    EXPECT_EQ(readAll(lf).at(1).answer[3], "Answer 2d");
}

TEST(BankReader, DecodesUtf8AndWindows1252)
{
    TestFolder folder;
    QByteArray bytes = "\xEF\xBB\xBF"
                       "20 Copyright\r\n"
                       "Q.a/b/1\r\n"
                       "Caf\xC3\xA9 \xE2\x80\x94 UTF-8\r\n" // valid UTF-8
                       "1. Caf\xE9 \x93quoted\x94 \x80\r\n" // Windows-1252
                       "\r\n";
    folder.writeBankBytes(bytes);
    BankReader reader;
    ASSERT_TRUE(reader.openq(folder.path())) << "a byte-order mark before the header is skipped";
    EXPECT_EQ(reader.dbcount, "20");
    reader.readq();
    EXPECT_EQ(reader.curq().text, QString::fromUtf8("Caf\xC3\xA9 \xE2\x80\x94 UTF-8"));
    EXPECT_EQ(reader.curq().answer[0], QString::fromUtf8("Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x82\xAC"));
}

TEST(BankReader, RecordsAreNumberedByPosition)
{
    TestFolder folder;
    folder.writeBank(header() + QStringList {"Q.x/99/1", "T", "", "Q.x/5/1", "T", ""});
    BankReader reader;
    ASSERT_TRUE(reader.openq(folder.path()));
    reader.recno = 0;
    reader.readq();
    EXPECT_EQ(reader.recno, 1);
    reader.readq();
    EXPECT_EQ(reader.recno, 2);
    EXPECT_EQ(reader.curq().tag2, "5");
}

TEST(BankReader, ClosesTheFileAtItsEnd)
{
    TestFolder folder;
    folder.writeBank(header() + test::record(1));
    BankReader reader;
    ASSERT_TRUE(reader.openq(folder.path()));
    EXPECT_TRUE(reader.isOpen());
    EXPECT_EQ(reader.dbeof, 0);
    reader.readq();
    reader.readq();
    EXPECT_EQ(reader.dbeof, 1);
    EXPECT_FALSE(reader.isOpen());
    const QRecord before = reader.curq();
    reader.readq(); // at the end nothing more is read
    EXPECT_EQ(reader.curq(), before);
}

TEST(CorrectNumber, AcceptsOneToFourOnly)
{
    EXPECT_EQ(correctNumber("1"), 1);
    EXPECT_EQ(correctNumber("4"), 4);
    EXPECT_EQ(correctNumber(" 2 "), 2);
    EXPECT_EQ(correctNumber("03"), 3);
    for (const char* bad : {"", "0", "5", "x", "1a", "-1", "2.5", "99999999999"})
        EXPECT_EQ(correctNumber(bad), 0) << bad;
}

} // namespace
} // namespace veltrin
