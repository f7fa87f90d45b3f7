// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exam session without a window: Start, verdicts, the score, the result,
// and the exam clock with its 15-minute limit.

#include "engine/ExamSession.h"
#include "support/Fakes.h"
#include "support/TestBank.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using Kind = ExamSession::Step::Kind;

// A session over a bank of 20 records, started at 10:00 with the deck kept in
// order, so question q is record q; record q's right answer is `rights[q-1]`
// (1 when not given).
struct SessionRun {
    test::TestFolder folder;
    test::FakeClock clock;
    test::ScriptedRandom random {{test::kKeepsTheDeckInOrder}};
    ExamSession session {clock, random, BankReader::pathIn(folder.path())};
    QStringList captions;
    int timeouts = 0;

    explicit SessionRun(const std::vector<int>& rights = {})
    {
        QStringList lines {"20 Copyright"};
        for (int n = 1; n <= 20; ++n)
            lines << test::record(n, n <= static_cast<int>(rights.size()) ? rights.at(n - 1) : 1);
        folder.writeBank(lines);
        clock.now = 36000.0F;
        QObject::connect(&session, &ExamSession::elapsedChanged, [this](const QString& c) { captions << c; });
        QObject::connect(&session, &ExamSession::timedOut, [this] { ++timeouts; });
    }

    // Start and the first question.
    void start()
    {
        session.load();
        ASSERT_TRUE(session.start()) << session.error().detail().toStdString();
        ASSERT_EQ(session.next().kind, Kind::Question);
    }

    // Answers the question on screen, right or wrong, and closes the verdict.
    ExamSession::Step answer(bool right)
    {
        const int correct = session.curq().correct.toInt();
        session.answer(right ? correct - 1 : correct % 4);
        session.acknowledge();
        return session.next();
    }

    void tickAt(float secondsAfterStart) { session.tick(session.tasktime() + secondsAfterStart); }
};

using Phase = ExamSession::Phase;

TEST(ExamSession, BeforeTheFirstExamNothingRuns)
{
    SessionRun run;
    EXPECT_EQ(run.session.phase(), Phase::NotStarted);
    EXPECT_FALSE(run.session.timeexp());
    EXPECT_FALSE(run.session.tasksw());
    run.session.tick(50000.0F);
    EXPECT_TRUE(run.captions.isEmpty());
    EXPECT_EQ(run.timeouts, 0);
}

TEST(ExamSession, StartRunsTheClockAndShowsQuestionOne)
{
    SessionRun run;
    run.start();
    EXPECT_EQ(run.session.tasktime(), 36000.0F);
    EXPECT_EQ(run.session.phase(), Phase::Asking);
    EXPECT_TRUE(run.session.tasksw());
    EXPECT_EQ(run.session.qno(), 1);
    EXPECT_EQ(run.session.curq().text, "Question 1");
    EXPECT_EQ(run.random.seedings, 1);
}

TEST(ExamSession, ARefusedBankStopsTheClock)
{
    SessionRun run;
    run.folder.writeBank({"20 copyright", "Q.a/b/1", "T", "1. A", ""});
    run.session.load();
    EXPECT_FALSE(run.session.start());
    EXPECT_FALSE(run.session.tasksw()) << "the refusal is read without the clock running";
    run.session.tick(run.session.tasktime() + 900.0F);
    EXPECT_EQ(run.timeouts, 0);
    EXPECT_EQ(run.session.error().line, 1);
    EXPECT_TRUE(run.session.error().detail().startsWith("Line 1: ")) << run.session.error().detail().toStdString();
}

TEST(ExamSession, VerdictsNameTheRightLetter)
{
    SessionRun run({3, 2, 4, 1});
    run.start();
    run.random.append({0.25F});
    ExamSession::Verdict v = run.session.answer(0);
    EXPECT_EQ(v.text, "Wrong.  The correct answer is C");
    EXPECT_EQ(v.cue, Cue::Siren) << "r below one half";
    EXPECT_EQ(run.session.phase(), Phase::Judged);
    run.session.acknowledge();
    run.session.next();

    v = run.session.answer(1);
    EXPECT_EQ(v.text, "Correct");
    EXPECT_FALSE(v.cue) << "a right answer plays nothing";
    EXPECT_EQ(run.session.score(), 0) << "counted once the verdict is closed";
    run.session.acknowledge();
    EXPECT_EQ(run.session.score(), 1);
    run.session.acknowledge();
    EXPECT_EQ(run.session.score(), 1) << "counted once";
    run.session.next();

    run.random.append({0.75F});
    v = run.session.answer(3 - 1);
    EXPECT_EQ(v.text, "Wrong.  The correct answer is D");
    EXPECT_EQ(v.cue, Cue::Skid) << "r of one half or more";
    run.session.acknowledge();
    run.session.next();
    EXPECT_EQ(run.session.answer(3).text, "Wrong.  The correct answer is A");
}

TEST(ExamSession, TheResultFollowsTheTwentiethAnswer)
{
    for (const int right : {20, 17, 16, 0}) {
        SessionRun run;
        run.start();
        ExamSession::Step step;
        for (int q = 1; q <= 20; ++q) {
            ASSERT_EQ(run.session.qno(), q);
            step = run.answer(q <= right);
            if (q < 20) {
                ASSERT_EQ(step.kind, Kind::Question) << q;
            }
        }
        ASSERT_EQ(step.kind, Kind::Result) << "never a 21st question";
        EXPECT_FALSE(run.session.tasksw()) << "the clock stops at the result";
        if (right >= 17) {
            EXPECT_EQ(step.text, QStringLiteral("You Pass.  You had %1 correct answers out of 20.").arg(right));
            EXPECT_EQ(step.cue, Cue::Passed);
        } else {
            EXPECT_EQ(step.text, QStringLiteral("You Failed.  You had %1 correct answers out of 20.").arg(right));
            EXPECT_EQ(step.cue, Cue::Failed);
        }
    }
}

TEST(ExamSession, ClockShowsMinutesAndTwoDigitSeconds)
{
    SessionRun run;
    run.start();
    for (const float at : {0.0F, 59.9F, 60.0F, 65.3F, 599.0F, 600.0F, 754.0F, 754.5F})
        run.tickAt(at);
    EXPECT_EQ(run.captions, (QStringList {"0:00", "0:59", "1:00", "1:05", "9:59", "10:00", "12:34"}))
        << "the same whole second is not drawn again";
}

TEST(ExamSession, TimesOutOnceAtNineHundredSeconds)
{
    SessionRun run;
    run.start();
    run.answer(true);
    run.answer(false); // question 3 on screen, one right
    run.tickAt(899.9F);
    EXPECT_EQ(run.timeouts, 0);
    EXPECT_TRUE(run.session.tasksw());
    run.tickAt(900.0F);
    EXPECT_EQ(run.captions.last(), "15:00") << "the count is drawn before the limit ends the exam";
    EXPECT_EQ(run.timeouts, 1);
    EXPECT_FALSE(run.session.tasksw());
    EXPECT_TRUE(run.session.timeexp());
    run.tickAt(950.0F);
    EXPECT_EQ(run.timeouts, 1) << "exactly once";
    EXPECT_EQ(run.captions.last(), "15:00") << "later ticks leave the clock alone";

    const ExamSession::Step step = run.session.next();
    EXPECT_EQ(step.kind, Kind::TimeOut);
    EXPECT_EQ(step.text, "You ran out of time.  You had 1 correct answers out of 3.")
        << "the question on screen counts";
    EXPECT_FALSE(step.cue);
    run.session.stop();
    EXPECT_TRUE(run.session.timeexp()) << "until the next Start";
}

TEST(ExamSession, TimeOutWhileARightVerdictIsOpenCreditsNothing)
{
    SessionRun run;
    run.start();
    run.answer(true);
    run.answer(true); // question 3 on screen, score 2
    EXPECT_EQ(run.session.answer(0).text, "Correct");
    run.tickAt(901.0F);
    const ExamSession::Step step = run.session.next();
    EXPECT_EQ(step.text, "You ran out of time.  You had 2 correct answers out of 3.");
    run.session.acknowledge();
    EXPECT_EQ(run.session.score(), 2) << "the open verdict's point is never counted";
}

TEST(ExamSession, ClockRunsOnAcrossMidnight)
{
    SessionRun run;
    run.clock.now = 86000.0F; // 23:53:20
    run.start();
    run.session.tick(86399.0F);
    run.session.tick(1.0F);
    EXPECT_EQ(run.captions, (QStringList {"6:39", "6:41"})) << "not a negative count after midnight";
    run.session.tick(499.0F);
    EXPECT_EQ(run.timeouts, 0);
    run.session.tick(500.5F);
    EXPECT_EQ(run.timeouts, 1) << "900 seconds after the start";
}

TEST(ExamSession, ReturnStopsTheClockAndTheLastCountStays)
{
    SessionRun run;
    run.start();
    run.tickAt(61.0F);
    run.session.stop();
    run.tickAt(900.0F);
    EXPECT_EQ(run.captions, QStringList {"1:01"});
    EXPECT_EQ(run.timeouts, 0);
}

TEST(ExamSession, ASecondExamStartsTheClockAfreshButKeepsTheLastCount)
{
    SessionRun run;
    run.start();
    run.tickAt(900.0F);
    ASSERT_EQ(run.timeouts, 1);
    run.session.next();
    run.session.acknowledge();

    run.clock.now = 40000.0F;
    run.random = test::ScriptedRandom({test::kKeepsTheDeckInOrder});
    run.start();
    EXPECT_FALSE(run.session.timeexp());
    EXPECT_TRUE(run.session.tasksw());
    EXPECT_EQ(run.session.tasktime(), 40000.0F);
    EXPECT_EQ(run.session.qno(), 1);
    EXPECT_EQ(run.session.score(), 0);
    run.tickAt(0.5F);
    EXPECT_EQ(run.captions.last(), "0:00");

    // The clock's last count carries over: a third exam whose first tick falls
    // in the same whole second as the last count shown does not redraw it.
    run.session.stop();
    run.start();
    const qsizetype shown = run.captions.size();
    run.tickAt(0.2F);
    EXPECT_EQ(run.captions.size(), shown) << "0 was also the last count shown";
    run.tickAt(1.0F);
    EXPECT_EQ(run.captions.last(), "0:01");
}

} // namespace
} // namespace veltrin
