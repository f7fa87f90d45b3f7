// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace veltrin {

// What makes a bank unusable, and where: `line` is the line of the file that
// shows it (the header is line 1), or 0 when no line does. `sentence` says
// what is wrong without the place; the program shows detail(), the bank
// checker puts its own file-and-line prefix before the sentence.
struct BankError {
    qint64 line = 0;
    QString sentence;

    bool isEmpty() const { return sentence.isEmpty(); }
    // "Line 12: question 3 gives "7" as its right answer; ...", as the
    // program's refusal shows it.
    QString detail() const;
};

// Every rule a bank must keep for an exam to be drawn from it, each with the
// one sentence that says it is broken. The program's refusal and the bank
// checker both take their words from here.
namespace bankrule {

inline constexpr int kMinRecords = 20;
inline constexpr int kMaxRecords = 32767;

BankError cannotOpen(const QString& path, const QString& reason);
BankError lineTooLong(qint64 line, qsizetype maxBytes);
BankError lineUnreadable(qint64 line, const QString& reason);
BankError savedAsUtf16();
BankError headerOnly();
BankError headerWithoutCopyright(bool hasOtherCase);
BankError headerWithoutSpace();
BankError headerCount(const QString& countWord);

// The "Q." line of question `number`, at `line`, has fewer than two "/".
BankError tooFewSlashes(qint64 line, int number);
// The right-answer field of question `number` is not a number from 1 to 4.
BankError rightAnswerNotOneToFour(qint64 line, int number, const QString& field);
// Question `number` starts at `line` with no empty line after question
// `number - 1`, so one read takes both and the earlier can never be asked.
BankError ranOn(qint64 line, int number);
// The file ends, at `line`, after `records` questions, fewer than the header
// on line 1 declares.
BankError endsEarly(qint64 line, int records, int declared);

} // namespace bankrule

} // namespace veltrin
