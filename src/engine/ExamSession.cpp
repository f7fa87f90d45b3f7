// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ExamSession.h"

#include "engine/Messages.h"
#include "platform/Clock.h"
#include "platform/Random.h"

#include <cmath>
#include <utility>

namespace veltrin {

ExamSession::ExamSession(Clock& clock, RandomSource& random, QString bankPath)
    : m_clock(clock)
    , m_random(random)
    , m_bankPath(std::move(bankPath))
{ }

void ExamSession::load()
{
    m_random.seedFromClock();
}

bool ExamSession::start()
{
    m_tasktime = m_clock.timeOfDay();
    m_judgedRight = false;
    // A bank that cannot be used must not also run out the exam time while
    // its refusal is read: the clock runs only once the questions are in.
    if (!m_exam.startFrom(m_bankPath, m_random)) {
        m_phase = Phase::NotStarted;
        return false;
    }
    m_phase = Phase::Asking;
    return true;
}

ExamSession::Step ExamSession::next()
{
    if (m_phase == Phase::TimedOut) {
        // A verdict still open is replaced by the time-out; its point was
        // never counted and never will be.
        m_judgedRight = false;
        return {Step::Kind::TimeOut, timeoutText(m_exam.score(), m_exam.qno()), std::nullopt};
    }
    if (!m_exam.advance()) {
        m_phase = Phase::Finished;
        return {Step::Kind::Result, resultText(m_exam.score()), resultCue(m_exam.score())};
    }
    m_phase = Phase::Asking;
    return {};
}

ExamSession::Verdict ExamSession::answer(int index)
{
    m_phase = Phase::Judged;
    m_judgedRight = m_exam.isRight(index);
    Verdict verdict {m_exam.verdict(index), std::nullopt};
    if (!m_judgedRight)
        verdict.cue = wrongAnswerCue(m_random.next());
    return verdict;
}

void ExamSession::acknowledge()
{
    if (m_phase == Phase::Judged && std::exchange(m_judgedRight, false))
        m_exam.credit();
}

void ExamSession::stop()
{
    if (tasksw())
        m_phase = Phase::NotStarted;
}

void ExamSession::tick(float now)
{
    if (!tasksw())
        return;
    const float interval = secondsBetween(m_tasktime, now);
    const int elapsec = static_cast<int>(std::floor(interval));
    if (m_lasttime != elapsec) {
        m_lasttime = elapsec;
        emit elapsedChanged(elapsedCaption(elapsec));
    }
    if (interval >= kExamSeconds) {
        m_phase = Phase::TimedOut;
        emit timedOut();
    }
}

} // namespace veltrin
