// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace veltrin {

// One question as the repeat finder sees it.
struct RepeatEntry {
    QString text;
    QString picture; // as the bank names it, or empty
    QString key;     // the right answer's text
};

// Two questions that ask the same thing: indexes into the entries, earlier
// before later.
struct RepeatPair {
    int earlier = 0;
    int later = 0;
};

// Finds questions that ask what an earlier one asks, in other words:
//   - most of their words, in text and right answer, are shared, the rarer
//     words counting for more;
//   - a question about a picture, and one without a picture whose text names
//     the picture ("a SOFT SHOULDER sign" and soft-shoulder.png), with right
//     answers that share words;
//   - the same picture, and right answers that mostly say the same.
// Answers that differ in a direction or a number (left or right, 15 or 20 feet)
// are never repeats. Questions with the very same text and picture are left
// to the plainer check that finds them. Each question is named at most once,
// with the earlier question it is closest to. English and Spanish alike: case
// and accents do not count, and the small words of both languages are passed
// over.
std::vector<RepeatPair> findRepeats(const std::vector<RepeatEntry>& entries);

// The words of a text in lower case without accents ("Sólo" -> "solo"),
// split at everything other than letters and digits.
QStringList foldedWords(const QString& text);

// The words a question's texts are compared by: case and accents dropped,
// small words left out, plural and verb endings trimmed.
QStringList contentWords(const QString& text);

} // namespace veltrin
