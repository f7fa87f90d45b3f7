// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ExamSession.h"

#include "engine/Messages.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "timing/Tick.h"

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
    m_tasksw = 1;
    m_timeexp = 0;
    m_pendingCredit = false;
    if (!m_exam.startFrom(m_bankPath, m_random)) {
        // A bank that cannot be used must not also run out the exam time
        // while its refusal is read.
        m_tasksw = 0;
        return false;
    }
    return true;
}

ExamSession::Step ExamSession::next()
{
    if (m_timeexp == 1) {
        // A verdict still open is replaced by the time-out; its point was
        // never counted and never will be.
        m_pendingCredit = false;
        m_msgsw = 1;
        return {Step::Kind::TimeOut, timeoutText(m_exam.score(), m_exam.qno()), {}};
    }
    if (!m_exam.advance()) {
        m_tasksw = 0;
        m_msgsw = 1;
        return {Step::Kind::Result, resultText(m_exam.score()), resultCue(m_exam.score())};
    }
    return {};
}

ExamSession::Verdict ExamSession::answer(int index)
{
    m_pendingCredit = m_exam.isRight(index);
    m_msgsw = 1;
    Verdict verdict {m_exam.verdict(index), {}};
    if (!m_pendingCredit)
        verdict.cue = wrongAnswerCue(m_random.next());
    return verdict;
}

void ExamSession::acknowledge()
{
    m_msgsw = 0;
    if (std::exchange(m_pendingCredit, false))
        m_exam.credit();
}

void ExamSession::stop()
{
    m_tasksw = 0;
}

void ExamSession::tick(float now)
{
    if (!(m_tasksw == 1))
        return;
    const float interval = secondsBetween(m_tasktime, now);
    const int elapsec = static_cast<int>(std::floor(interval));
    if (!(m_lasttime == elapsec)) {
        m_lasttime = elapsec;
        emit elapsedChanged(elapsedCaption(elapsec));
    }
    if (interval >= kExamSeconds) {
        m_tasksw = 0;
        m_timeexp = 1;
        emit timedOut();
    }
}

} // namespace veltrin
