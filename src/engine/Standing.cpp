// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Standing.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>

namespace veltrin {

std::vector<TopicStanding> topicStandings(const std::vector<PracticeItem>& items,
    const QHash<QString, QuestionStanding>& standings, const QStringList& topics)
{
    std::vector<TopicStanding> rows;
    QHash<QString, size_t> rowOf;
    for (const PracticeItem& item : items) {
        if (!topics.isEmpty() && std::none_of(topics.cbegin(), topics.cend(), [&](const QString& asked) {
                return topicMatches(item.topic, asked);
            }))
            continue;
        auto at = rowOf.constFind(item.topic);
        if (at == rowOf.cend()) {
            at = rowOf.insert(item.topic, rows.size());
            rows.push_back({item.topic});
        }
        TopicStanding& row = rows[*at];
        const QuestionStanding standing = standings.value(item.id);
        ++row.questions;
        row.seen += standing.seen > 0 ? 1 : 0;
        row.known += standing.known() ? 1 : 0;
        row.openMistakes += standing.openMistake ? 1 : 0;
    }
    return rows;
}

QString topicStandingText(const TopicStanding& row)
{
    return QCoreApplication::translate(
        "Practice", "%1: %2 of %3 seen, %4 known, %n open mistakes", nullptr, row.openMistakes)
        .arg(row.topic)
        .arg(row.seen)
        .arg(row.questions)
        .arg(row.known);
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
