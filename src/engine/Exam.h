#pragma once

#include "engine/BankReader.h"
#include "engine/Messages.h"
#include "engine/QRecord.h"

#include <QString>

#include <array>
#include <vector>

namespace veltrin {

class RandomSource;

// The exam state of one exam window, from Start to the result. Slots and
// question numbers count from 1, as the exam has always counted them; index 0
// of each array is not used.
class Exam {
public:
    int score = 0;    // right answers so far
    int qno = 0;      // question on screen: 0 before the first, 21 once finished
    int nextslot = 0; // next slot of examq to fill while loading
    QRecord curq;     // the question on screen
    std::array<QString, 4> letters;
    std::vector<qint16> deck;                         // record numbers 1..N, shuffled
    std::array<int, kQuestionsPerExam + 1> drawn {};  // drawn record numbers, in draw order
    std::array<int, kQuestionsPerExam + 1> qorder {}; // slots of examq in the order asked
    std::array<QRecord, kQuestionsPerExam + 1> examq; // the loaded questions, ascending record number
    BankReader bank;

    // Opens the bank in `folder`, draws 20 distinct records, loads them in one
    // forward pass and leaves the exam before its first question. False when
    // the bank cannot give an exam; error() says why.
    bool start(const QString& folder, RandomSource& random);
    const BankError& error() const { return m_error; }

    // Shuffles the record numbers 1..n (a full Fisher-Yates shuffle over the
    // whole deck), takes the first 20 and orders slots by record number.
    void draw(int n, RandomSource& random);

    // Moves on one question. False once the twentieth has been answered;
    // otherwise curq holds the next question.
    bool advance();

    // Judging: whether the answer button `index` (0 for "A") is right, and the
    // message that says so.
    bool isRight(int index) const;
    QString verdict(int index);

private:
    bool load();
    bool fail(const BankError& error);

    BankError m_error;
};

} // namespace veltrin
