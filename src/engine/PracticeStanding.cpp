// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/PracticeStanding.h"

#include <QCoreApplication>

#include <algorithm>

namespace veltrin {

std::vector<TopicProgress> topicProgress(const std::vector<PracticeItem>& items,
    const QHash<QString, QuestionStanding>& standings, const QStringList& topics)
{
    std::vector<TopicProgress> progress;
    for (const PracticeItem& item : items) {
        if (!topics.isEmpty() && std::none_of(topics.cbegin(), topics.cend(), [&](const QString& asked) {
                return topicMatches(item.topic, asked);
            }))
            continue;
        auto it = std::find_if(
            progress.begin(), progress.end(), [&](const TopicProgress& p) { return p.topic == item.topic; });
        if (it == progress.end())
            it = progress.insert(progress.end(), TopicProgress {item.topic});
        const QuestionStanding standing = standings.value(item.id);
        ++it->questions;
        it->seen += standing.seen > 0 ? 1 : 0;
        it->known += standing.known() ? 1 : 0;
        it->openMistakes += standing.openMistake ? 1 : 0;
    }
    return progress;
}

QString topicProgressText(const TopicProgress& progress)
{
    return QCoreApplication::translate(
        "Practice", "%1: %2 of %3 seen, %4 known, %n open mistakes", nullptr, progress.openMistakes)
        .arg(progress.topic)
        .arg(progress.seen)
        .arg(progress.questions)
        .arg(progress.known);
}

} // namespace veltrin
