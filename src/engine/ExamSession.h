// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BankRules.h"
#include "engine/Cue.h"
#include "engine/Exam.h"
#include "engine/Practice.h"
#include "engine/ProgressStore.h"
#include "engine/Standing.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace veltrin {

class Clock;
class RandomSource;

// The exam as the program runs it, without a window: Start, the questions one
// by one, the verdict on each answer, the score, the result, and the exam
// clock with its 15-minute limit. The exam window forwards its user's actions
// here and shows what comes back; the welcome window's tick feeds it the time.
//
// What happens at 15:00: tick() finds 900 seconds gone, moves to TimedOut and
// signals timedOut(); the exam window then asks next(), which answers TimeOut
// with the score so far, dropping the point of a verdict still open.
//
// Given a Practice, the session runs practice rounds instead: the round is
// drawn from the learner's progress (practiceDraw), each answer is recorded
// in the progress store and its verdict carries the reason, the clock shows
// the time taken and never ends the round, and the result counts the
// questions the round asked. The store is opened at Start, never before.
class ExamSession final : public QObject {
    Q_OBJECT

public:
    // Where the exam stands. The clock runs in Asking and Judged only.
    enum class Phase {
        NotStarted, // before the first Start, or after Return
        Asking,     // a question is on screen, waiting for its answer
        Judged,     // the verdict on the answer is open
        Finished,   // the twentieth answer is judged: the result is shown
        TimedOut,   // the time ran out; stays so until the next Start
    };

    // What the exam window shows after next().
    struct Step {
        enum class Kind {
            Question, // curq() is the next question, number qno()
            Result,   // the twentieth answer is judged: text and cue, then Return
            TimeOut,  // the time has run out: text, then the exam window closes
        };
        Kind kind = Kind::Question;
        QString text;           // the message of a result or a time-out
        std::optional<Cue> cue; // played while the message is open
    };

    // The verdict on an answer, shown in a message with its cue (if any).
    struct Verdict {
        QString text;
        std::optional<Cue> cue;
    };

    // A question the learner missed in this practice round.
    struct Missed {
        QRecord question;
        int given = 0; // the answer given, 1 to 4
        std::optional<Reason> reason;
    };

    // The exam reads its questions from the bank file `bankPath`, afresh at
    // every Start.
    ExamSession(Clock& clock, RandomSource& random, QString bankPath, std::optional<Practice> practice = std::nullopt);
    bool isPractice() const { return m_practice.has_value(); }
    // The bank the next Start reads.
    void setBankPath(QString bankPath) { m_bankPath = std::move(bankPath); }

    // The exam window has loaded: the random source is seeded afresh.
    void load();

    // Start: the clock starts, 20 questions are drawn and loaded from the
    // bank (in practice: the round is drawn). False when the bank cannot give an exam; the clock is stopped
    // again and error() says why.
    bool start();
    const BankError& error() const { return m_exam.error(); }

    // One step of progress: the time-out, the result or the next question.
    Step next();

    // Judges the answer button `index` (0 for "A") for the question on screen.
    // A right answer counts once its verdict has been acknowledged. In
    // practice the answer is recorded at once and the verdict gives the
    // reason.
    Verdict answer(int index);

    // The user has closed the verdict that answer() gave.
    void acknowledge();

    // Return, or the exam window closed in any way: the clock stops.
    void stop();

    // One tick of the welcome window's timer at time of day `now`. While the
    // clock runs it shows the whole seconds when they change
    // (elapsedChanged), and at 900 seconds ends the exam with timedOut(),
    // exactly once.
    void tick(float now);

    Phase phase() const { return m_phase; }
    const QRecord& curq() const { return m_exam.curq(); }
    int qno() const { return m_exam.qno(); }
    int score() const { return m_exam.score(); }
    // The questions this exam asks: 20, or fewer in a practice round.
    int questionCount() const { return m_exam.questionCount(); }

    // Practice: the questions missed in the round so far, and where the
    // learner stands on each topic the round draws from.
    const std::vector<Missed>& missed() const { return m_missed; }
    std::vector<TopicStanding> progress() const;

    // The clock's state under the names the exam has always given it:
    // tasktime is the time of day at Start, tasksw whether the clock runs,
    // timeexp whether the time has run out.
    float tasktime() const { return m_tasktime; }
    bool tasksw() const { return m_phase == Phase::Asking || m_phase == Phase::Judged; }
    bool timeexp() const { return m_phase == Phase::TimedOut; }

signals:
    void elapsedChanged(const QString& caption);
    void timedOut();

private:
    bool startPractice();
    void tell(const QString& note);

    Clock& m_clock;
    RandomSource& m_random;
    QString m_bankPath;
    Exam m_exam;
    std::optional<Practice> m_practice;
    std::optional<ProgressStore> m_store; // practice only, opened at Start
    std::vector<Missed> m_missed;
    QSet<QString> m_told;
    Phase m_phase = Phase::NotStarted;
    bool m_judgedRight = false; // the open verdict's answer was right

    float m_tasktime = 0.0F;
    // The whole seconds last shown. It lives as long as the session, so a new
    // exam whose first count equals the last one shown does not redraw it.
    int m_lasttime = 99;
};

} // namespace veltrin
