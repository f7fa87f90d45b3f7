// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/QRecord.h"
#include "engine/Reasons.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace veltrin {

// A bank on paper: a question sheet for the students and an answer key for
// the teacher, as PDF files, made without a window or a display.
class BankPrint {
    Q_DECLARE_TR_FUNCTIONS(BankPrint)

public:
    // The questions that can be asked (1 to the header's count), read with
    // the program's reader. False, with the program's refusal in `error`, for
    // a bank the program would refuse.
    bool read(const QString& bankPath, QString* error);

    // A document: its title lines, then one block per question, each kept on
    // one page. Blocks are HTML.
    struct Document {
        QString title;
        QString subtitle;
        QStringList blocks;
    };
    // Texts, pictures (from `pictureFolder`) and answers lettered A to D.
    Document questionSheet(const QString& pictureFolder, const QDate& date) const;
    // Per question its number, id and letter, and its reason where the
    // bank's reasons file gives one.
    Document answerKey(const QDate& date) const;

    // Writes a document to a PDF file. False, with why in `error`, when the
    // file cannot be written.
    static bool writePdf(const Document& document, const QString& path, QString* error);

    int questions() const { return static_cast<int>(m_records.size()); }

private:
    QString m_bankPath;
    QString m_header; // the header line after its count
    std::vector<QRecord> m_records;
};

} // namespace veltrin
