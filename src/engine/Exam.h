// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BankReader.h"
#include "engine/Messages.h"
#include "engine/Practice.h"
#include "engine/QRecord.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace veltrin {

class RandomSource;

// One exam, from Start to the result: the draw of 20 distinct questions, the
// questions loaded from the bank, the question on screen and the score. Slots
// and question numbers count from 1, as the exam has always counted them;
// index 0 of each array is not used.
class Exam {
public:
    // Opens the bank in `folder`, draws 20 distinct records, loads them in one
    // forward pass over the whole file, which checks every record on the way,
    // and leaves the exam before its first question with a score of 0. False
    // when the bank cannot give an exam; error() says the first fault.
    bool start(const QString& folder, RandomSource& random);
    // The same for a bank file named by its path.
    bool startFrom(const QString& bankPath, RandomSource& random);
    const BankError& error() const { return m_error; }

    // A round of chosen questions (practice): reads the whole bank file,
    // checking every record as start() does, hands `choose` the topic and id
    // of each record, and asks the records it returns (indexes into what it
    // was handed), in that order. False when the bank cannot give an exam or
    // `choose` returns none.
    using Chooser = std::function<std::vector<int>(const std::vector<PracticeItem>&)>;
    bool startChosen(const QString& bankPath, const Chooser& choose);
    // The number of questions this exam asks: 20, or a chosen round's count.
    int questionCount() const { return m_chosenRound ? static_cast<int>(m_chosen.size()) : kQuestionsPerExam; }
    // The topic and id of each record of the bank, as a chosen round read it.
    const std::vector<PracticeItem>& items() const { return m_items; }

    // Shuffles the record numbers 1..n (a full Fisher-Yates shuffle over the
    // whole deck), takes the first 20 and orders slots by record number.
    void draw(int n, RandomSource& random);

    // Moves on one question. False once the twentieth has been answered;
    // otherwise curq() is the next question.
    bool advance();

    // Whether the answer button `index` (0 for "A") is right for the question
    // on screen, and the verdict that says so.
    bool isRight(int index) const;
    QString verdict(int index) const;

    // One more right answer.
    void credit() { ++m_score; }

    int score() const { return m_score; } // right answers so far
    int qno() const { return m_qno; }     // question on screen: 0 before the first, 21 once finished
    const QRecord& curq() const { return m_curq; }

    // The draw and the load, for tests that follow a question from the deck
    // to the screen.
    const std::vector<qint16>& deck() const { return m_deck; }
    int drawn(int slot) const { return m_drawn.at(slot); }
    int qorder(int q) const { return m_qorder.at(q); }
    const QRecord& examq(int slot) const { return m_examq.at(slot); }
    const BankReader& bank() const { return m_bank; }

private:
    bool load();
    bool fail(const BankError& error);

    int m_score = 0;
    int m_qno = 0;
    int m_nextslot = 0; // next slot of examq to fill while loading
    QRecord m_curq;
    std::vector<qint16> m_deck;                         // record numbers 1..N, shuffled
    std::array<int, kQuestionsPerExam + 1> m_drawn {};  // drawn record numbers, in draw order
    std::array<int, kQuestionsPerExam + 1> m_qorder {}; // slots of examq in the order asked
    std::array<QRecord, kQuestionsPerExam + 1> m_examq; // the loaded questions, ascending record number
    BankReader m_bank;
    BankError m_error;
    bool m_chosenRound = false;
    std::vector<QRecord> m_chosen; // a chosen round's questions, in the order asked
    std::vector<PracticeItem> m_items;
};

} // namespace veltrin
