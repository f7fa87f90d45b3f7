// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Practice.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace veltrin {

// Where a learner stands on one topic of a bank: of its questions, how many
// have been seen, how many are known, how many are open mistakes.
struct TopicProgress {
    QString topic;
    int questions = 0;
    int seen = 0;
    int known = 0;
    int openMistakes = 0;

    bool operator==(const TopicProgress&) const = default;
};

// Each topic of `items` among `topics` (all when empty), in the order the bank
// first names them.
std::vector<TopicProgress> topicProgress(const std::vector<PracticeItem>& items,
    const QHash<QString, QuestionStanding>& standings, const QStringList& topics = {});

// One topic in words: "signs: 12 of 124 seen, 9 known, 2 open mistakes".
QString topicProgressText(const TopicProgress& progress);

} // namespace veltrin
