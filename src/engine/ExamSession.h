// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BankRules.h"
#include "engine/Exam.h"
#include "timing/Value.h"

#include <QObject>
#include <QString>

#include <utility>

namespace veltrin {

class Clock;
class RandomSource;

// The exam as the program runs it, without a window: Start, the questions one
// by one, the verdict on each answer, the score, the result, and the exam
// clock with its 15-minute limit. The exam window forwards its user's actions
// here and shows what comes back; the welcome window's tick feeds it the time.
//
// It keeps the clock's state under the names the program has always used:
// tasktime (time of day at Start), tasksw (1 while the clock runs), timeexp
// (1 once the time has run out), lasttime (the whole seconds last shown) and
// msgsw (1 while a message of the exam is open). It lives for the whole run,
// like the welcome window that holds it: lasttime carries over from one exam
// to the next, and timeexp stays 1 after a time-out until the next Start.
//
// What happens at 15:00: tick() stops the clock, sets timeexp and signals
// timedOut(); the exam window then asks next(), which answers TimeOut with
// the score so far, dropping the point of a verdict still open.
class ExamSession final : public QObject {
    Q_OBJECT

public:
    // What the exam window shows after next().
    struct Step {
        enum class Kind {
            Question, // curq() is the next question, number qno()
            Result,   // the twentieth answer is judged: text and cue, then Return
            TimeOut,  // the time has run out: text, then the exam window closes
        };
        Kind kind = Kind::Question;
        QString text; // the message of a result or a time-out
        QString cue;  // the wave cue played while the message is open, or empty
    };

    // The verdict on an answer, shown in a message with its cue (if any).
    struct Verdict {
        QString text;
        QString cue;
    };

    // The exam reads its questions from the bank file `bankPath`, afresh at
    // every Start.
    ExamSession(Clock& clock, RandomSource& random, QString bankPath);
    // The bank the next Start reads.
    void setBankPath(QString bankPath) { m_bankPath = std::move(bankPath); }

    // The exam window has loaded: the random source is seeded afresh.
    void load();

    // Start: the clock starts, 20 questions are drawn and loaded from the
    // bank. False when the bank cannot give an exam; the clock is stopped
    // again and error() says why.
    bool start();
    const BankError& error() const { return m_exam.error(); }

    // One step of progress: the time-out, the result or the next question.
    Step next();

    // Judges the answer button `index` (0 for "A") for the question on screen.
    // A right answer counts once its verdict has been acknowledged.
    Verdict answer(int index);

    // The user has closed the message that answer() or next() gave.
    void acknowledge();

    // Return, or the exam window closed in any way: the clock stops.
    void stop();

    // One tick of the welcome window's timer at time of day `now`. While the
    // clock runs it shows the whole seconds when they change
    // (elapsedChanged), and at 900 seconds ends the exam: tasksw 0, timeexp 1
    // and timedOut(), exactly once.
    void tick(float now);

    const QRecord& curq() const { return m_exam.curq(); }
    int qno() const { return m_exam.qno(); }
    int score() const { return m_exam.score(); }

    float tasktime() const { return m_tasktime; }
    Value tasksw() const { return m_tasksw; }
    Value timeexp() const { return m_timeexp; }
    Value lasttime() const { return m_lasttime; }
    // Kept from the design, where the time-out read it to find an open
    // verdict; the exam window now knows its open message itself, so nothing
    // in the program reads it.
    Value msgsw() const { return m_msgsw; }

signals:
    void elapsedChanged(const QString& caption);
    void timedOut();

private:
    Clock& m_clock;
    RandomSource& m_random;
    QString m_bankPath;
    Exam m_exam;
    bool m_pendingCredit = false; // a right answer's verdict is open

    float m_tasktime = 0.0F;
    Value m_tasksw = 0;
    Value m_timeexp; // empty until the first Start
    Value m_lasttime = 99;
    Value m_msgsw = 0;
};

} // namespace veltrin
