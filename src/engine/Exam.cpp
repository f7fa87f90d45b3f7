#include "engine/Exam.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrin {

bool Exam::start(const QString& folder, RandomSource& random)
{
    m_error = {};
    if (!bank.openq(folder))
        return fail(bank.error());
    draw(bank.dbcount.toInt(), random);
    if (!load())
        return false;
    score = 0;
    qno = 0;
    return true;
}

void Exam::draw(int n, RandomSource& random)
{
    deck.assign(static_cast<size_t>(n) + 1, 0);
    for (int i = 1; i <= n; ++i)
        deck[i] = static_cast<qint16>(i);

    for (int i = n; i >= 2; --i) {
        const float r = random.next();
        // In double the product of r < 1 and i < 2^24 stays below i, so j never
        // passes i; the clamp only guards a source that breaks its promise.
        int j = static_cast<int>(std::floor(static_cast<double>(r) * i)) + 1;
        j = std::clamp(j, 1, i);
        std::swap(deck[i], deck[j]);
    }

    for (int i = 1; i <= kQuestionsPerExam; ++i) {
        drawn[i] = deck[i];
        qorder[i] = i;
    }
    // An exchange sort of 20 slots by their record numbers.
    for (int i = 1; i <= kQuestionsPerExam - 1; ++i) {
        for (int k = i; k <= kQuestionsPerExam; ++k) {
            if (drawn[qorder[k]] < drawn[qorder[i]])
                std::swap(qorder[i], qorder[k]);
        }
    }
}

bool Exam::load()
{
    nextslot = 1;
    bank.recno = 0;
    while (bank.dbeof == 0) {
        bank.readq();
        if (bank.failed())
            return fail(bank.error());
        const int wanted = drawn[qorder[nextslot]];
        if (bank.recno > wanted) {
            return fail({bank.curqLine(),
                QStringLiteral("Line %1: a question starts here although the one before it "
                               "was not ended by an empty line, so question %2 cannot be read.")
                    .arg(bank.curqLine())
                    .arg(wanted)});
        }
        if (bank.recno != wanted)
            continue;
        if (bank.curqMissingFields()) {
            return fail({bank.curqLine(),
                QStringLiteral("Line %1: the \"Q.\" line of question %2 has fewer than two \"/\".")
                    .arg(bank.curqLine())
                    .arg(wanted)});
        }
        QRecord record = bank.curq();
        if (correctNumber(record.correct) == 0) {
            return fail({bank.curqLine(),
                QStringLiteral("Line %1: question %2 gives \"%3\" as its right answer; "
                               "it must be a number from 1 to 4.")
                    .arg(bank.curqLine())
                    .arg(wanted)
                    .arg(record.correct.left(40))});
        }
        examq[nextslot] = std::move(record);
        ++nextslot;
        if (nextslot > kQuestionsPerExam)
            break;
    }
    if (nextslot <= kQuestionsPerExam) {
        return fail({bank.lineNumber(),
            QStringLiteral("Line %1: the file ends after question %2, "
                           "but its header declares %3 questions.")
                .arg(bank.lineNumber())
                .arg(bank.recno)
                .arg(bank.dbcount)});
    }
    if (bank.dbeof == 0)
        bank.close();
    return true;
}

bool Exam::fail(const BankError& error)
{
    m_error = error;
    bank.close();
    return false;
}

bool Exam::advance()
{
    ++qno;
    if (qno > kQuestionsPerExam)
        return false;
    curq = examq[qorder[qno]];
    return true;
}

bool Exam::isRight(int index) const
{
    return correctNumber(curq.correct) == index + 1;
}

QString Exam::verdict(int index)
{
    letters = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
    if (isRight(index))
        return correctText();
    // Every loaded question names an answer from 1 to 4; the guard keeps a
    // question that somehow does not from indexing outside the letters.
    const int right = correctNumber(curq.correct);
    return wrongText(right > 0 ? letters.at(right - 1) : QString());
}

} // namespace veltrin
