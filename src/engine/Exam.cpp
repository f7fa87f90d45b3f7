// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Exam.h"

#include "platform/Random.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrin {

bool Exam::start(const QString& folder, RandomSource& random)
{
    return startFrom(BankReader::pathIn(folder), random);
}

bool Exam::startFrom(const QString& bankPath, RandomSource& random)
{
    m_error = {};
    m_chosenRound = false;
    m_chosen.clear();
    if (!m_bank.openPath(bankPath))
        return fail(m_bank.error());
    draw(m_bank.count(), random);
    if (!load())
        return false;
    m_score = 0;
    m_qno = 0;
    return true;
}

bool Exam::startChosen(const QString& bankPath, const Chooser& choose)
{
    m_error = {};
    m_chosenRound = true;
    m_chosen.clear();
    m_items.clear();
    if (!m_bank.openPath(bankPath))
        return fail(m_bank.error());
    // The whole bank is read and checked, as at the exam's Start.
    std::vector<QRecord> records;
    m_bank.recno = 0;
    std::optional<BankError> fault;
    m_bank.readRecords([&] {
        fault = m_bank.recordFault();
        if (fault)
            return false;
        // Records past the header's count are checked but never asked, as
        // in the exam.
        if (m_bank.recno <= m_bank.count()) {
            records.push_back(m_bank.curq());
            m_items.push_back({records.back().tag1, records.back().tag2});
        }
        return true;
    });
    if (m_bank.failed())
        return fail(m_bank.error());
    if (fault)
        return fail(*fault);
    if (m_bank.recno < m_bank.count())
        return fail(bankrule::endsEarly(m_bank.recno, m_bank.count()));
    if (m_bank.dbeof == 0)
        m_bank.close();
    for (const int index : choose(m_items)) {
        if (index >= 0 && static_cast<size_t>(index) < records.size())
            m_chosen.push_back(records[static_cast<size_t>(index)]);
    }
    if (m_chosen.empty())
        return fail({0, QCoreApplication::translate("Practice", "the bank has no questions on the topics chosen")});
    m_score = 0;
    m_qno = 0;
    return true;
}

void Exam::draw(int n, RandomSource& random)
{
    m_deck.assign(static_cast<size_t>(n) + 1, 0);
    for (int i = 1; i <= n; ++i)
        m_deck[i] = static_cast<qint16>(i);

    for (int i = n; i >= 2; --i) {
        const float r = random.next();
        // In double the product of r < 1 and i < 2^24 stays below i, so j never
        // passes i; the clamp only guards a source that breaks its promise.
        int j = static_cast<int>(std::floor(static_cast<double>(r) * i)) + 1;
        j = std::clamp(j, 1, i);
        std::swap(m_deck[i], m_deck[j]);
    }

    for (int i = 1; i <= kQuestionsPerExam; ++i) {
        m_drawn[i] = m_deck[i];
        m_qorder[i] = i;
    }
    // An exchange sort of 20 slots by their record numbers.
    for (int i = 1; i <= kQuestionsPerExam - 1; ++i) {
        for (int k = i; k <= kQuestionsPerExam; ++k) {
            if (m_drawn[m_qorder[k]] < m_drawn[m_qorder[i]])
                std::swap(m_qorder[i], m_qorder[k]);
        }
    }
}

bool Exam::load()
{
    // The wanted record numbers ascend slot by slot, so one forward pass over
    // the file meets them in order. The pass goes on to the end of the file,
    // and every record, wanted or not, must be sound: a bank with a fault is
    // refused at every Start, whichever questions were drawn.
    m_nextslot = 1;
    m_bank.recno = 0;
    std::optional<BankError> fault;
    m_bank.readRecords([&] {
        fault = m_bank.recordFault();
        if (fault)
            return false;
        if (m_nextslot <= kQuestionsPerExam && m_bank.recno == m_drawn[m_qorder[m_nextslot]]) {
            m_examq[m_nextslot] = m_bank.curq();
            ++m_nextslot;
        }
        return true;
    });
    if (m_bank.failed())
        return fail(m_bank.error());
    if (fault)
        return fail(*fault);
    if (m_bank.recno < m_bank.count() || m_nextslot <= kQuestionsPerExam)
        return fail(bankrule::endsEarly(m_bank.recno, m_bank.count()));
    if (m_bank.dbeof == 0)
        m_bank.close();
    return true;
}

bool Exam::fail(const BankError& error)
{
    m_error = error;
    m_bank.close();
    return false;
}

bool Exam::advance()
{
    ++m_qno;
    if (m_qno > questionCount())
        return false;
    m_curq = m_chosenRound ? m_chosen[static_cast<size_t>(m_qno - 1)] : m_examq[m_qorder[m_qno]];
    return true;
}

bool Exam::isRight(int index) const
{
    return correctNumber(m_curq.correct) == index + 1;
}

QString Exam::verdict(int index) const
{
    if (isRight(index))
        return correctText();
    // Every loaded question names an answer from 1 to 4; the guard keeps a
    // question that somehow does not from naming a letter it has not got.
    const int right = correctNumber(m_curq.correct);
    return wrongText(right > 0 ? answerLetter(right) : QString());
}

} // namespace veltrin
