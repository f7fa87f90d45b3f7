// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Practice without a window: the draw (open mistakes, then unseen, then the
// rest), the topic filter, a round without a time limit, a short round, the
// verdict with its reason, the progress kept, and the exam that keeps none.

#include "engine/Practice.h"
#include "engine/BankReader.h"
#include "engine/ExamSession.h"
#include "engine/Standing.h"
#include "support/Fakes.h"
#include "support/TestBank.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using Kind = ExamSession::Step::Kind;

std::vector<PracticeItem> items(int n, const QString& topic = QStringLiteral("signs"))
{
    std::vector<PracticeItem> all;
    for (int i = 1; i <= n; ++i)
        all.push_back({topic, QStringLiteral("id%1").arg(i)});
    return all;
}

QuestionStanding seen(bool openMistake)
{
    QuestionStanding s;
    s.seen = 1;
    s.right = openMistake ? 0 : 1;
    s.openMistake = openMistake;
    return s;
}

TEST(PracticeDraw, MistakesFirstThenUnseenThenTheRestAtMostTwenty)
{
    // 30 questions: 1 to 10 seen and known, 7 and 25 open mistakes.
    QHash<QString, QuestionStanding> standings;
    for (int i = 1; i <= 10; ++i)
        standings.insert(QStringLiteral("id%1").arg(i), seen(false));
    standings.insert(QStringLiteral("id7"), seen(true));
    standings.insert(QStringLiteral("id25"), seen(true));

    test::ScriptedRandom inOrder {{test::kKeepsTheDeckInOrder}};
    std::vector<int> expected {6, 24}; // indexes of id7 and id25
    for (int i = 10; i < 30 && expected.size() < 20; ++i) {
        if (i != 24)
            expected.push_back(i);
    }
    EXPECT_EQ(practiceDraw(items(30), standings, {}, inOrder), expected);

    // Shuffled within each group, never across: whatever the source gives,
    // the two mistakes lead and no known question comes before an unseen one.
    test::ScriptedRandom low {{0.0F, 0.3F, 0.7F}};
    const std::vector<int> round = practiceDraw(items(30), standings, {}, low);
    ASSERT_EQ(round.size(), 20U);
    EXPECT_EQ(std::set<int>(round.begin(), round.begin() + 2), (std::set<int> {6, 24}));
    for (size_t k = 2; k < round.size(); ++k)
        EXPECT_TRUE(round[k] >= 10) << "a known question drawn while unseen ones were left: index " << round[k];

    // With everything seen and known, the rest still fills the round.
    QHash<QString, QuestionStanding> allKnown;
    for (int i = 1; i <= 30; ++i)
        allKnown.insert(QStringLiteral("id%1").arg(i), seen(false));
    EXPECT_EQ(practiceDraw(items(30), allKnown, {}, inOrder).size(), 20U);
}

TEST(PracticeDraw, TopicsLimitTheDrawAndUnknownOnesAreNamed)
{
    std::vector<PracticeItem> bank = items(25, QStringLiteral("signs"));
    for (const PracticeItem& item : items(3, QStringLiteral("speed")))
        bank.push_back({item.topic, QStringLiteral("sp-") + item.id});
    test::ScriptedRandom inOrder {{test::kKeepsTheDeckInOrder}};

    EXPECT_EQ(practiceDraw(bank, {}, {QStringLiteral("Speed")}, inOrder), (std::vector<int> {25, 26, 27}))
        << "a topic matches whatever its letter case";
    EXPECT_EQ(practiceDraw(bank, {}, {QStringLiteral("speed"), QStringLiteral("signs")}, inOrder).size(), 20U);

    EXPECT_EQ(bankTopics(bank), (QStringList {"signs", "speed"}));
    EXPECT_EQ(unknownTopics(bank, {QStringLiteral("SIGNS"), QStringLiteral("parking")}), QStringList {"parking"});
}

TEST(PracticeStanding, CountsSeenKnownAndOpenMistakesPerTopic)
{
    std::vector<PracticeItem> bank = items(4, QStringLiteral("signs"));
    bank.push_back({QStringLiteral("speed"), QStringLiteral("s1")});
    QHash<QString, QuestionStanding> standings {{"id1", seen(false)}, {"id2", seen(true)}, {"s1", seen(true)}};
    EXPECT_EQ(
        topicStandings(bank, standings), (std::vector<TopicStanding> {{"signs", 4, 2, 1, 1}, {"speed", 1, 1, 0, 1}}));
    EXPECT_EQ(topicStandings(bank, standings, {QStringLiteral("speed")}).size(), 1U);
}

// A practice session over a bank of `signs` questions on "signs" and 3 on
// "speed", right answer 1 throughout, its progress kept in a folder of its
// own.
struct PracticeRun {
    test::TestFolder folder;
    QTemporaryDir data;
    test::FakeClock clock;
    test::ScriptedRandom random {{test::kKeepsTheDeckInOrder}};
    QStringList told;
    std::unique_ptr<ExamSession> session;
    int timeouts = 0;

    explicit PracticeRun(const QStringList& topics = {}, int signs = 25)
    {
        QStringList lines {QStringLiteral("%1 Copyright").arg(signs + 3)};
        for (int n = 1; n <= signs + 3; ++n) {
            const bool speed = n > signs;
            lines << QStringLiteral("Q.%1/q%2/1").arg(speed ? "speed" : "signs").arg(n)
                  << QStringLiteral("Question %1").arg(n) << "1. Right"
                  << "2. Wrong"
                  << "3. Also wrong" << QString();
        }
        folder.writeBank(lines);
        folder.writeFile(QStringLiteral("veltrin.reasons"),
            "q1|Because the sign says so.|Sign manual, page 1\r\n# q2 has no reason\r\n");
        clock.now = 36000.0F;
        session = std::make_unique<ExamSession>(clock, random, BankReader::pathIn(folder.path()),
            Practice {topics, data.path(), [this](const QString& note) { told << note; }});
        QObject::connect(session.get(), &ExamSession::timedOut, [this] { ++timeouts; });
    }

    void start()
    {
        ASSERT_TRUE(session->start()) << session->error().detail().toStdString();
        ASSERT_EQ(session->next().kind, Kind::Question);
    }

    // Answers and closes the verdict; returns the verdict's text.
    QString answer(bool right)
    {
        const QString text = session->answer(right ? 0 : 1).text;
        session->acknowledge();
        return text;
    }
};

TEST(PracticeSession, NoTimeLimitAndTheClockGoesOn)
{
    PracticeRun run;
    run.start();
    QStringList captions;
    QObject::connect(run.session.get(), &ExamSession::elapsedChanged, [&](const QString& c) { captions << c; });
    run.session->tick(run.session->tasktime() + 901.0F);
    run.session->tick(run.session->tasktime() + 3700.0F);
    EXPECT_EQ(run.timeouts, 0);
    EXPECT_EQ(run.session->phase(), ExamSession::Phase::Asking);
    EXPECT_EQ(captions, (QStringList {"15:01", "61:40"}));
    run.answer(true);
    EXPECT_EQ(run.session->next().kind, Kind::Question);
}

TEST(PracticeSession, VerdictGivesTheReasonWhereTheBankHasOne)
{
    PracticeRun run;
    run.start();
    EXPECT_EQ(run.answer(false),
        "Wrong.  The correct answer is A\n\nBecause the sign says so.\n\nSource: Sign manual, page 1");
    run.session->next();
    EXPECT_EQ(run.answer(true), "Correct") << "q2 has no reason: the verdict alone";
    ASSERT_EQ(run.session->missed().size(), 1U);
    EXPECT_EQ(run.session->missed().at(0).question.tag2, "q1");
    EXPECT_EQ(run.session->missed().at(0).given, 2);
}

TEST(PracticeSession, ShortTopicRoundAsksWhatThereIsAndCountsIt)
{
    PracticeRun run({QStringLiteral("speed")});
    run.start();
    EXPECT_EQ(run.session->questionCount(), 3);
    EXPECT_EQ(run.session->curq().tag1, "speed");
    run.answer(true);
    run.session->next();
    run.answer(true);
    run.session->next();
    run.answer(false);
    const ExamSession::Step result = run.session->next();
    EXPECT_EQ(result.kind, Kind::Result);
    EXPECT_EQ(result.text, "You Failed.  You had 2 correct answers out of 3.");
    EXPECT_EQ(result.cue, Cue::Failed);
}

TEST(PracticeSession, MistakesOfOneRoundLeadTheNext)
{
    PracticeRun run;
    run.start();
    // Round 1 (questions 1 to 20 in order): 4 and 9 wrong.
    for (int q = 1; q <= 20; ++q) {
        run.answer(q != 4 && q != 9);
        run.session->next();
    }
    run.start();
    EXPECT_EQ(run.session->curq().tag2, "q4");
    run.answer(true);
    run.session->next();
    EXPECT_EQ(run.session->curq().tag2, "q9");
    run.answer(true);
    run.session->next();
    EXPECT_EQ(run.session->curq().tag2, "q21") << "then the questions not yet seen";
    EXPECT_TRUE(run.told.isEmpty()) << run.told.join('\n').toStdString();
}

TEST(PracticeSession, DamagedProgressIsToldOnceAndTheRoundGoesOn)
{
    PracticeRun run;
    const QString store = ProgressStore::pathFor(run.data.path(), BankReader::pathIn(run.folder.path()));
    QDir().mkpath(QFileInfo(store).absolutePath());
    QFile file(store);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a progress file\n");
    file.close();
    run.start();
    run.answer(false);
    run.session->next();
    run.start();
    EXPECT_EQ(run.told.size(), 1);
    EXPECT_EQ(run.session->curq().tag2, "q1") << "the mistake made after the damage is kept";
}

TEST(ExamSessionProgress, TheExamNeverWritesProgress)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    test::TestFolder folder;
    folder.writeBank(test::bank(20, 20));
    test::FakeClock clock;
    test::ScriptedRandom random {{test::kKeepsTheDeckInOrder}};
    ExamSession session(clock, random, BankReader::pathIn(folder.path()));
    session.load();
    ASSERT_TRUE(session.start());
    while (session.next().kind == Kind::Question) {
        session.answer(1);
        session.acknowledge();
    }
    QDirIterator files(data.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    EXPECT_FALSE(files.hasNext()) << "the exam wrote " << files.next().toStdString();
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace veltrin
