// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace veltrin {

// Why a question's right answer is right, and where the rule is written.
struct Reason {
    QString text;
    QString source;

    bool operator==(const Reason&) const = default;
};

// A bank may have a reasons file beside it: the bank's file name with its
// extension replaced by ".reasons" ("veltrin.dll" -> "veltrin.reasons"). It is
// plain UTF-8 text (a byte-order mark is allowed), lines ended by CR LF or LF,
// one line a question:
//
//   ID|Reason text.|Source
//
// where ID is the second field of the question's "Q." line. Lines that start
// with "#" and empty lines are ignored. A bank without the file simply has no
// reasons.
QString reasonsPathFor(const QString& bankPath);

// The reason for question `id`, read from the file only now and only as far as
// that question's line. Empty when the file or the line is missing, or when
// the line is malformed.
std::optional<Reason> findReason(const QString& reasonsPath, const QString& id);

// One well-formed line of a reasons file.
struct ReasonLine {
    qint64 line = 0;
    QString id;
    Reason reason;
};

// What is wrong with one line of a reasons file.
struct ReasonProblem {
    qint64 line = 0; // 0 when the file as a whole cannot be read
    QString message;
};

struct ReasonsFile {
    bool exists = false;
    std::vector<ReasonLine> reasons;
    std::vector<ReasonProblem> problems;
};

// Reads a whole reasons file and says what is wrong with each line that is not
// "ID|Reason|Source": no "|", a field missing or empty, more than two "|", an
// id given a second time. A missing file is no problem (exists is false).
ReasonsFile readReasonsFile(const QString& reasonsPath);

} // namespace veltrin
