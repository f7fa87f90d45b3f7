// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

namespace veltrin {

// One question as read from the bank.
struct QRecord {
    QString tag1;                  // stored with the record, used by nothing else
    QString tag2;                  // stored with the record, used by nothing else
    QString correct;               // the number 1 to 4 of the right answer, as the bank writes it
    QString picture;               // file name relative to the program folder, or empty
    QString text;                  // the question; may be empty
    std::array<QString, 4> answer; // "1." to "4."; an empty fourth makes a three-answer question

    bool operator==(const QRecord&) const = default;
};

} // namespace veltrin
