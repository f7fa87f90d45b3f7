// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Standing.h"

#include "engine/BankReader.h"
#include "engine/ProgressStore.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

namespace veltrin {

namespace { } // namespace

std::vector<TopicStanding> topicStandings(const std::vector<QRecord>& bankRecords, const ProgressStore& store)
{
    std::vector<TopicStanding> rows;
    QHash<QString, size_t> rowOf;
    for (const QRecord& record : bankRecords) {
        auto at = rowOf.constFind(record.tag1);
        if (at == rowOf.cend()) {
            at = rowOf.insert(record.tag1, rows.size());
            rows.push_back({record.tag1});
        }
        TopicStanding& row = rows[*at];
        const QuestionStanding standing = store.standing(record.tag2);
        ++row.questions;
        row.seen += standing.seen > 0 ? 1 : 0;
        row.known += standing.known() ? 1 : 0;
        row.openMistakes += standing.openMistake ? 1 : 0;
    }
    return rows;
}

TopicStanding totalStanding(const std::vector<TopicStanding>& rows)
{
    TopicStanding total;
    for (const TopicStanding& row : rows) {
        total.questions += row.questions;
        total.seen += row.seen;
        total.known += row.known;
        total.openMistakes += row.openMistakes;
    }
    return total;
}

bool readBankRecords(const QString& bankPath, std::vector<QRecord>* records, BankError* error)
{
    records->clear();
    BankReader reader;
    if (!reader.openPath(bankPath)) {
        *error = reader.error();
        return false;
    }
    const int count = reader.count();
    std::optional<BankError> fault;
    reader.recno = 0;
    reader.readRecords([&] {
        fault = reader.recordFault();
        if (fault)
            return false;
        if (reader.recno <= count)
            records->push_back(reader.curq());
        return true;
    });
    if (fault)
        *error = *fault;
    else if (reader.failed())
        *error = reader.error();
    else if (static_cast<int>(records->size()) < count)
        *error = bankrule::endsEarly(static_cast<int>(records->size()), count);
    else
        return true;
    records->clear();
    return false;
}

QString standingTable(const std::vector<TopicStanding>& rows)
{
    const std::array<QString, 5> headings {QCoreApplication::translate("Standing", "Topic"),
        QCoreApplication::translate("Standing", "Seen"), QCoreApplication::translate("Standing", "Known"),
        QCoreApplication::translate("Standing", "Open mistakes"), QCoreApplication::translate("Standing", "Questions")};
    std::vector<std::array<QString, 5>> cells;
    cells.push_back(headings);
    const auto cellsOf = [](const QString& name, const TopicStanding& row) {
        return std::array<QString, 5> {name, QString::number(row.seen), QString::number(row.known),
            QString::number(row.openMistakes), QString::number(row.questions)};
    };
    for (const TopicStanding& row : rows)
        cells.push_back(cellsOf(row.topic, row));
    cells.push_back(cellsOf(QCoreApplication::translate("Standing", "Total"), totalStanding(rows)));

    std::array<qsizetype, 5> width {};
    for (const auto& line : cells) {
        for (size_t i = 0; i < width.size(); ++i)
            width[i] = std::max(width[i], line[i].size());
    }
    QString text;
    for (const auto& line : cells) {
        // The topic to the left, the figures to the right, two spaces between.
        QString out = line[0].leftJustified(width[0]);
        for (size_t i = 1; i < width.size(); ++i)
            out += QStringLiteral("  ") + line[i].rightJustified(width[i]);
        text += out + QLatin1Char('\n');
    }
    return text;
}

QString noProgressText()
{
    return QCoreApplication::translate("Standing", "No practice progress on this bank yet.");
}

} // namespace veltrin
