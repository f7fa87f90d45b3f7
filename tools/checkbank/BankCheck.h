// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/QRecord.h"
#include "windows/frmDrive1Design.h"

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
    QString file; // the file the line is in when it is not the bank (its reasons file)
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
    bool hasReasons = false;            // the bank has a reasons file
    int withReason = 0;                 // questions the reasons file gives a reason
    int repeats = 0;                    // questions that ask what an earlier one asks
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
// answers' and the question's monospace font, worked out from the window's
// design: an answer label is as wide and high as Option1, and the question box
// is txtText1 less its frame and margins.
namespace fit {
inline constexpr double pixels(double twips)
{
    return twips / kTwipsPerPixel;
}
inline constexpr int charsIn(double twips, double inset = 0)
{
    return static_cast<int>((pixels(twips) - 2 * inset) / frmDrive1Design::kTextCharPixels);
}
inline constexpr int linesIn(double twips, double inset = 0)
{
    return static_cast<int>((pixels(twips) - 2 * inset) / frmDrive1Design::kTextLinePixels);
}
} // namespace fit
inline constexpr int kAnswerLineChars = fit::charsIn(frmDrive1Design::Option1[0].width);
inline constexpr int kAnswerLines = fit::linesIn(frmDrive1Design::Option1[0].height);
inline constexpr int kQuestionLineChars
    = fit::charsIn(frmDrive1Design::txtText1.width, frmDrive1Design::kTextBoxInsetPixels);
inline constexpr int kQuestionLines
    = fit::linesIn(frmDrive1Design::txtText1.height, frmDrive1Design::kTextBoxInsetPixels);

// Lines a text takes when wrapped at word boundaries into lines of `width`
// characters; a word longer than a line takes lines of its own.
int wrappedLines(const QString& text, int width);

// A right answer that gives itself away by its length: more than one and a
// half times as long as the longest other answer, and 15 characters longer.
bool keyLongByFar(const QString& right, int longestOther);

// Whether every wrong answer opens with the same absolute word ("Only",
// "Never", "Siempre", ...) that the right answer does not hold: a test-wise
// reader picks the one answer without it. Only for three or four answers.
// Returns the word as the first wrong answer writes it, or empty.
QString absoluteOpener(const QRecord& record, int right);

// Reads a whole bank with the program's own reader and reports everything the
// program would refuse and everything a bank author should know. Pictures are
// looked up from `pictureFolder` as the program looks them up from its bank's
// folder (findBankPicture): there, and for a folder named "es", in the one
// above.
BankReport checkBank(const QString& bankPath, const QString& pictureFolder);

} // namespace veltrin
