// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
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
    // program's refusal shows it; without a line, the sentence alone, begun
    // with a capital.
    QString detail() const;
};

// Every rule a bank must keep for an exam to be drawn from it, each with the
// one sentence that says it is broken. The program's refusal and the bank
// checker both take their words from here.
namespace bankrule {

inline constexpr int kMinRecords = 20;
inline constexpr int kMaxRecords = 32767;

// Why the file at `path` cannot be opened, in the program's own words when
// the reason is one of the usual ones (no such file, a folder, no permission
// to read it); otherwise `systemReason`, the system's own words.
QString whyUnreadable(const QString& path, const QString& systemReason);
// The bank cannot be opened; the reason is said as whyUnreadable says it.
BankError cannotOpen(const QString& path, const QString& systemReason);
BankError emptyFile();
// Near its start the file holds bytes that no text holds (a NUL, or control
// characters other than tab, line and page breaks): a picture or a document
// saved under the bank's name.
BankError notText();
// Whether the first bytes of a file show it is not text, as notText says.
bool looksBinary(QByteArrayView head);
BankError lineTooLong(qint64 line, qsizetype maxBytes);
BankError lineUnreadable(qint64 line, const QString& reason);
BankError savedAsUtf16();
BankError headerOnly();
BankError headerWithoutCopyright(bool hasOtherCase);
BankError headerWithoutSpace();
BankError headerCount(const QString& countWord);
// Line 1 is a "Q." line: the header is missing.
BankError noHeader();

// The "Q." line of question `number`, at `line`, has fewer than two "/".
BankError tooFewSlashes(qint64 line, int number);
// The right-answer field of question `number` is not a number from 1 to 4.
BankError rightAnswerNotOneToFour(qint64 line, int number, const QString& field);
// Question `number` (at `line`) writes its answers "A." to "D.", which are
// read as question text, and so has no answers.
BankError letteredAnswers(qint64 line, int number);
// Whether a line of a question starts the way a lettered answer does.
bool looksLettered(QByteArrayView line);
// Question `number` names answer `right` as right, but that answer is empty.
BankError rightAnswerEmpty(qint64 line, int number, int right);
// Question `number` starts at `line` with no empty line after question
// `number - 1`, so one read takes both and the earlier can never be asked.
BankError ranOn(qint64 line, int number);
// The file ends after `records` questions, fewer than the header declares;
// said at the header, where the count is mended.
BankError endsEarly(int records, int declared);

} // namespace bankrule

} // namespace veltrin
