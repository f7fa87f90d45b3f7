// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice progress store: the rule that closes a mistake, and the file
// kept sound through a killed writer, two writers at once, a damaged or
// foreign file and a folder nobody can write; the standing per topic.

#include "engine/ProgressStore.h"
#include "engine/Standing.h"
#include "support/TestBank.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

// The store at `path` read afresh, as the next run reads it; `note` says
// whether it was sound.
QHash<QString, QuestionStanding> reread(const QString& path, QString* note)
{
    ProgressStore store(path);
    store.load(note);
    return store.questions();
}

QString storeIn(const QTemporaryDir& dir)
{
    return dir.filePath(QStringLiteral("progress/bank.progress"));
}

TEST(ProgressStore, RightTwiceInARowClosesAMistake)
{
    QuestionStanding s = afterAnswer({}, false);
    EXPECT_TRUE(s.openMistake);
    s = afterAnswer(s, true);
    EXPECT_TRUE(s.openMistake) << "right once does not close it";
    s = afterAnswer(s, false);
    s = afterAnswer(s, true);
    EXPECT_TRUE(s.openMistake) << "a wrong in between starts the count again";
    s = afterAnswer(s, true);
    EXPECT_FALSE(s.openMistake);
    EXPECT_TRUE(s.known());
    EXPECT_EQ(s, (QuestionStanding {5, 3, 2, false}));

    // The same through the file, one run after another, with ids the file's
    // separators would break.
    QTemporaryDir dir;
    const QString path = storeIn(dir);
    const QString odd = QStringLiteral(" a|b%c\u00e9 ");
    for (const bool right : {false, true, true}) {
        ProgressStore store(path);
        store.load();
        EXPECT_TRUE(store.record(QStringLiteral("SG001"), right));
        EXPECT_TRUE(store.record(odd, !right));
    }
    QString note;
    const auto questions = reread(path, &note);
    EXPECT_EQ(note, QString());
    EXPECT_EQ(questions.value(QStringLiteral("SG001")), (QuestionStanding {3, 2, 2, false}));
    EXPECT_EQ(questions.value(odd), (QuestionStanding {3, 1, 0, true}));
}

TEST(ProgressStore, AnswersOfAnotherStoreOnTheSameFileAreKept)
{
    QTemporaryDir dir;
    const QString path = storeIn(dir);
    ProgressStore first(path);
    ProgressStore second(path);
    first.load();
    second.load();
    EXPECT_TRUE(first.record(QStringLiteral("A"), true));
    EXPECT_TRUE(second.record(QStringLiteral("B"), false));
    EXPECT_TRUE(first.record(QStringLiteral("B"), true));
    const auto questions = reread(path, nullptr);
    EXPECT_EQ(questions.value(QStringLiteral("A")).seen, 1);
    EXPECT_EQ(questions.value(QStringLiteral("B")), (QuestionStanding {2, 1, 1, true}));
}

// The ids PREFIX1..PREFIXn in `questions`, each seen at least once.
int idsInOrder(const QHash<QString, QuestionStanding>& questions, const QString& prefix)
{
    int n = 0;
    while (questions.value(prefix + QString::number(n + 1)).seen > 0)
        ++n;
    return n;
}

TEST(ProgressStore, AWriterKilledWhileWritingLosesNoEarlierAnswer)
{
    QTemporaryDir dir;
    const QString path = storeIn(dir);
    for (int round = 1; round <= 3; ++round) {
        const QString prefix = QStringLiteral("R%1-").arg(round);
        QProcess writer;
        // Folding after every other answer, so that the kill is as likely to
        // come while the whole store is rewritten as while an answer is added.
        writer.start(QStringLiteral(VELTRIN_PROGRESS_WRITER), {path, prefix, QStringLiteral("0"), QStringLiteral("2")});
        ASSERT_TRUE(writer.waitForStarted());
        // Wait on the file, not on the clock: until it holds 50 of this
        // round's answers, reading it after each answer the writer reports.
        int written = 0;
        for (int polls = 0; polls < 10000 && written < 50; ++polls) {
            ASSERT_TRUE(writer.waitForReadyRead(30000)) << writer.readAllStandardError().toStdString();
            writer.readAllStandardOutput();
            written = idsInOrder(reread(path, nullptr), prefix);
        }
        ASSERT_GE(written, 50);
        writer.kill();
        writer.waitForFinished();

        QString note;
        const auto questions = reread(path, &note);
        EXPECT_EQ(note, QString()) << "round " << round;
        const int kept = idsInOrder(questions, prefix);
        EXPECT_GE(kept, written) << "round " << round;
        for (int earlier = 1; earlier < round; ++earlier)
            EXPECT_GE(idsInOrder(questions, QStringLiteral("R%1-").arg(earlier)), 50) << "round " << round;
    }
    // The lock the last writer died holding does not keep the next one out.
    ProgressStore store(path);
    QString note;
    EXPECT_TRUE(store.record(QStringLiteral("after"), true, &note)) << note.toStdString();
}

TEST(ProgressStore, AnAnswerCutShortIsLeftOutAndTheNextDoesNotRunOnFromIt)
{
    QTemporaryDir dir;
    const QString path = storeIn(dir);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("veltrin-progress 1\nSG001|2|1|1|1\nSG001|1\nSG0");
    file.close();
    ProgressStore store(path);
    QString note;
    store.load(&note);
    EXPECT_EQ(note, QString());
    EXPECT_EQ(store.questions().size(), 1);
    EXPECT_EQ(store.standing(QStringLiteral("SG001")), (QuestionStanding {3, 2, 2, false}));
    EXPECT_TRUE(store.record(QStringLiteral("SG002"), true));
    const auto questions = reread(path, &note);
    EXPECT_EQ(note, QString());
    EXPECT_EQ(questions.keys().size(), 2);
    EXPECT_EQ(questions.value(QStringLiteral("SG002")).seen, 1);
}

TEST(ProgressStore, TwoWritersAtOnceKeepEachOthersAnswers)
{
    QTemporaryDir dir;
    const QString path = storeIn(dir);
    // Each writer folds the answers into a new file once on the way.
    constexpr int kEach = ProgressStore::kFoldAfter + 20;
    QProcess a;
    QProcess b;
    a.start(QStringLiteral(VELTRIN_PROGRESS_WRITER), {path, QStringLiteral("A"), QString::number(kEach)});
    b.start(QStringLiteral(VELTRIN_PROGRESS_WRITER), {path, QStringLiteral("B"), QString::number(kEach)});
    // And this program too, in between.
    ProgressStore mine(path);
    for (int i = 1; i <= kEach; ++i)
        EXPECT_TRUE(mine.record(QStringLiteral("C%1").arg(i), false));
    for (QProcess* writer : {&a, &b}) {
        ASSERT_TRUE(writer->waitForFinished(120000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
    }
    QString note;
    const auto questions = reread(path, &note);
    EXPECT_EQ(note, QString());
    for (const QString& prefix : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")})
        EXPECT_EQ(idsInOrder(questions, prefix), kEach) << prefix.toStdString();
    EXPECT_EQ(questions.size(), 3 * kEach);
}

TEST(ProgressStore, ADamagedOrForeignFileIsKeptAsideAndProgressStartsAfresh)
{
    const QByteArray damaged = "veltrin-progress 1\nSG001|3|2|1|0\nSG002|3|x|0|1\n";
    const QByteArray foreign = "<html><body>not a store</body></html>\n";
    for (const QByteArray& bytes : {damaged, foreign}) {
        QTemporaryDir dir;
        const QString path = storeIn(dir);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        ProgressStore store(path);
        QString note;
        store.load(&note);
        EXPECT_TRUE(store.questions().isEmpty());
        EXPECT_FALSE(note.isEmpty());
        EXPECT_FALSE(note.contains(QLatin1Char('\n')));
        const QStringList aside = QDir(QFileInfo(path).path()).entryList({QStringLiteral("bank.progress.*")});
        ASSERT_EQ(aside.size(), 1) << "kept aside under another name";
        QFile kept(QFileInfo(path).path() + QLatin1Char('/') + aside.constFirst());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes);
        EXPECT_TRUE(note.contains(aside.constFirst())) << note.toStdString();

        EXPECT_TRUE(store.record(QStringLiteral("SG001"), true));
        QString again;
        EXPECT_EQ(reread(path, &again).value(QStringLiteral("SG001")), (QuestionStanding {1, 1, 1, false}));
        EXPECT_EQ(again, QString());
    }
}

TEST(ProgressStore, AFolderNobodyCanWriteStillLetsThemPractise)
{
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    // Beneath a plain file: no folder can be made there, even by root.
    ProgressStore store(dir.filePath(QStringLiteral("file/progress/bank.progress")));
    QString note;
    store.load(&note);
    EXPECT_EQ(note, QString());
    EXPECT_FALSE(store.record(QStringLiteral("SG001"), false, &note));
    EXPECT_FALSE(note.isEmpty());
    EXPECT_FALSE(note.contains(QLatin1Char('\n')));
    QString second;
    EXPECT_FALSE(store.record(QStringLiteral("SG001"), true, &second));
    EXPECT_EQ(second, QString()) << "said once a run, not at every answer";
    EXPECT_EQ(store.standing(QStringLiteral("SG001")), (QuestionStanding {2, 1, 1, true}));
}

TEST(Standing, TopicsInBankOrderWithTheirFiguresAndATotal)
{
    std::vector<QRecord> bank;
    for (const auto& [topic, id] : {std::pair {"signs", "S1"}, {"signs", "S2"}, {"night", "N1"}, {"signs", "S3"}}) {
        QRecord record;
        record.tag1 = QString::fromLatin1(topic);
        record.tag2 = QString::fromLatin1(id);
        bank.push_back(record);
    }
    QTemporaryDir dir;
    ProgressStore store(storeIn(dir));
    store.record(QStringLiteral("S1"), true);   // known
    store.record(QStringLiteral("S2"), false);  // open mistake
    store.record(QStringLiteral("GONE"), true); // no longer in the bank
    const std::vector<TopicStanding> rows = topicStandings(practiceItems(bank), store.questions());
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0], (TopicStanding {QStringLiteral("signs"), 3, 2, 1, 1}));
    EXPECT_EQ(rows[1], (TopicStanding {QStringLiteral("night"), 1, 0, 0, 0}));
    EXPECT_EQ(standingTable(rows),
        QStringLiteral("Topic  Seen  Known  Open mistakes  Questions\n"
                       "signs     2      1              1          3\n"
                       "night     0      0              0          1\n"
                       "Total     2      1              1          4\n"));
}

} // namespace
} // namespace veltrin
