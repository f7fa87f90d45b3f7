// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ExamSession.h"

#include "engine/Messages.h"
#include "platform/Clock.h"
#include "platform/Random.h"

#include <cmath>
#include <utility>

namespace veltrin {

ExamSession::ExamSession(Clock& clock, RandomSource& random, QString bankPath, std::optional<Practice> practice)
    : m_clock(clock)
    , m_random(random)
    , m_bankPath(std::move(bankPath))
    , m_practice(std::move(practice))
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
    if (isPractice() ? !startPractice() : !m_exam.startFrom(m_bankPath, m_random)) {
        m_phase = Phase::NotStarted;
        return false;
    }
    m_phase = Phase::Asking;
    return true;
}

bool ExamSession::startPractice()
{
    m_missed.clear();
    // Read afresh at every Start: another round may have moved on since.
    m_store.emplace(ProgressStore::pathFor(m_practice->dataFolder, m_bankPath));
    QString note;
    m_store->load(&note);
    tell(note);
    return m_exam.startChosen(m_bankPath, [this](const std::vector<PracticeItem>& items) {
        return practiceDraw(items, m_store->questions(), m_practice->topics, m_random);
    });
}

void ExamSession::tell(const QString& note)
{
    if (note.isEmpty() || m_told.contains(note))
        return;
    m_told.insert(note);
    if (m_practice->tell)
        m_practice->tell(note);
}

std::vector<TopicStanding> ExamSession::progress() const
{
    if (!m_store)
        return {};
    return topicStandings(m_exam.items(), m_store->questions(), m_practice->topics);
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
        if (isPractice()) {
            const int asked = m_exam.questionCount();
            return {Step::Kind::Result, practiceResultText(m_exam.score(), asked),
                practicePassed(m_exam.score(), asked) ? Cue::Passed : Cue::Failed};
        }
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
    if (isPractice()) {
        const QRecord& q = m_exam.curq();
        QString note;
        m_store->record(q.tag2, m_judgedRight, &note);
        tell(note);
        // The reasons file is read only now, and only as far as this question.
        const std::optional<Reason> reason = findReason(reasonsPathFor(m_bankPath), q.tag2);
        if (!m_judgedRight)
            m_missed.push_back({q, index + 1, reason});
        verdict.text = practiceVerdictText(verdict.text, reason);
    }
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
    // Practice takes as long as it takes.
    if (interval >= kExamSeconds && !isPractice()) {
        m_phase = Phase::TimedOut;
        emit timedOut();
    }
}

} // namespace veltrin
