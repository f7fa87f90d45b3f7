// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace veltrin {

// One thing the bank checker has to say about a bank. Errors are what the
// program would refuse (the exam could fail to load); warnings are what a bank
// author should mend although the program runs.
struct Finding {
    enum class Severity { Error, Warning };
    Severity severity = Severity::Warning;
    qint64 line = 0; // 0 when no one line shows it
    QString message;
};

struct BankStats {
    bool headerRead = false; // false when the header was refused and nothing after it was read
    int declared = 0;        // the header's count
    int records = 0;         // questions that can be read
    int unreadable = 0;      // "Q." lines of questions that ran into the next and cannot be read
    int withPicture = 0;
    int threeAnswer = 0;
    int fourAnswer = 0;
    int rightLongest = 0;               // four-answer questions whose right answer is longer than every other
    std::array<int, 4> rightAnswers {}; // how often each of A to D is right
    QMap<QString, int> topics;          // questions per topic (the first field of the "Q." line)
    QStringList unusedPictures;         // pictures in the picture folder that no question names
};

struct BankReport {
    std::vector<Finding> findings;
    BankStats stats;
    int errors() const;
    int warnings() const;
};

// Largest picture a bank should name: the exam window leaves 129 x 121
// pixels for it and never scales it.
inline constexpr int kMaxPictureSide = 200;

// What fits on the exam window at its design size, in characters of the
// answers' and the question's monospace font (Courier New 9 pt, 7.2 pixels a
// character at 96 dots per inch): an answer label is 489 pixels wide and two
// lines high; the question box leaves 439 by 151 pixels inside its frame and
// margins, ten lines of 14 pixels.
inline constexpr int kAnswerLineChars = 67;
inline constexpr int kAnswerLines = 2;
inline constexpr int kQuestionLineChars = 60;
inline constexpr int kQuestionLines = 10;

// Lines a text takes when wrapped at word boundaries into lines of `width`
// characters; a word longer than a line takes lines of its own.
int wrappedLines(const QString& text, int width);

// A right answer that gives itself away by its length: more than one and a
// half times as long as the longest other answer, and 15 characters longer.
bool keyLongByFar(const QString& right, int longestOther);

// Reads a whole bank with the program's own reader and reports everything the
// program would refuse and everything a bank author should know. Pictures are
// looked up from `pictureFolder` as the program looks them up from its bank's
// folder (findBankPicture): there, and for a folder named "es", in the one
// above.
BankReport checkBank(const QString& bankPath, const QString& pictureFolder);

} // namespace veltrin
