// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BankRules.h"
#include "engine/LineSource.h"
#include "engine/QRecord.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace veltrin {

// The question bank "\veltrin.dll" in the program folder, read forward once:
// openq opens it and checks the header, each readq reads one record.
//
// The file is line-oriented text. Line 1 is the header: the number of records
// before its first space, and the word "Copyright" somewhere. After it, each
// line is classified by its first two characters alone:
//   empty         ends the current readq
//   "Q."          starts a record: clears curq, then splits the rest of the
//                 line at "/" into tag1, tag2, correct and an optional picture
//                 (everything after the third "/", further "/" included)
//   "1." to "4."  an answer; the third character is skipped whatever it is
//   anything else the question text; a later text line replaces an earlier one
class BankReader {
public:
    // The reader's state, under the names the exam window has always used.
    QString dbpath;  // full path of the bank file
    QString dbcount; // the header's count word, as text
    int dbeof = 0;   // 1 once the end of the file has been reached and the file closed
    int recno = 0;   // "Q." lines read so far; the caller zeroes it before the first readq

    // The last line read, and the record being filled. Lines are kept as read
    // and decoded only when asked for, so records that the exam passes over
    // cost no more than reading their lines.
    QString dbline() const;
    QRecord curq() const;

    // The bank's path in a program folder: the folder and "\\veltrin.dll".
    static QString pathIn(const QString& folder);

    // Opens the bank in `folder` and validates its header. False when the bank
    // cannot be used; error() says why and the file is closed.
    bool openq(const QString& folder);
    // The same for a bank file named by its full path (the bank checker).
    bool openPath(const QString& path);

    // What a line is, by its first two characters.
    enum class LineKind { Empty, RecordStart, Answer, Text };
    // Told of every line after the header as it is read, with whether a record
    // was open when it came. For tools that report on a whole bank.
    using LineObserver = std::function<void(qint64 line, LineKind kind, bool inRecord)>;
    void setLineObserver(LineObserver observer) { m_observer = std::move(observer); }

    // The header's count as a number, once openq has accepted it.
    int count() const { return m_count; }

    // Reads the records from the current place to the end of the file, calling
    // `visit` after each one that can be read: curq() is the record, recno its
    // number and curqLine() its line. A record that ran into the next is read
    // with it and not visited. Stops early when `visit` returns false, or when
    // a line cannot be read (error()). Both the exam start and the bank
    // checker read a bank this way.
    void readRecords(const std::function<bool()>& visit);

    // What keeps curq from being asked, in the order of the file: the
    // question before it ran into it (no empty line between them), a "Q."
    // line with fewer than two "/", answers lettered "A." to "D." instead of
    // numbered, a right answer that is not a number from 1 to 4, or one that
    // names an empty answer. The exam start refuses a bank at the first
    // fault of any record; the bank checker lists them all.
    std::vector<BankError> recordFaults() const;
    std::optional<BankError> recordFault() const;
    // Whether curq has no numbered answers but lines lettered "A." to "D.".
    bool hasLetteredAnswers() const;

    // Reads lines until the current record is complete (an empty line) or the
    // file ends. The file's last line is read like every other, so a bank that
    // does not end in an empty line keeps its last answer. A line that cannot
    // be read ends the file early and sets error().
    void readq();

    // Closes the file; the exam start does so when it has all it wants.
    void close();
    bool isOpen() const { return m_source.isOpen(); }

    bool failed() const { return !m_error.isEmpty(); }
    const BankError& error() const { return m_error; }

    // Number of the line last read into dbline.
    qint64 lineNumber() const { return m_lineNumber; }
    // Line of curq's "Q." line.
    qint64 curqLine() const { return m_curqLine; }

private:
    bool readLine();
    void take();
    bool answerEmpty(int number) const;
    void fail(const BankError& error);
    void reachEnd();

    LineSource m_source;
    LineObserver m_observer;
    BankError m_error;
    qint64 m_lineNumber = 0;
    int m_count = 0;
    qint64 m_curqLine = 0;
    bool m_inRecord = false;
    std::optional<BankError> m_ranOn; // curq's "Q." line came while the record before was open
    qint64 m_letteredLine = 0;        // curq's first line lettered like an answer, or 0

    // Raw bytes: the last line, and the lines that make up curq. A later line
    // of the same kind replaces an earlier one, reusing its storage.
    std::string m_line;
    bool m_hasRecordLine = false;
    std::string m_recordLine;
    std::string m_text;
    std::array<std::string, 4> m_answer;
};

// The number 1 to 4 that a record's `correct` field names, compared the way the
// answer check compares it; 0 when the field is not such a number.
int correctNumber(const QString& correct);

// Every question an exam can be drawn from (those within the header's count),
// read and checked as an exam start reads them: false for a bank the exam
// start refuses, with `error` saying why as the refusal does. `header`, when
// given, is the header line's text after its count. For the readers of a
// whole bank besides the exam: printing, practice and the standing.
bool readBankRecords(
    const QString& bankPath, std::vector<QRecord>* records, BankError* error, QString* header = nullptr);

} // namespace veltrin
