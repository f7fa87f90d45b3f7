// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Practice.h"

#include <QHash>

#include <QString>

#include <vector>

namespace veltrin {

// Where a learner stands on one topic of a bank (the first field of its
// questions' "Q." lines), counted in questions.
struct TopicStanding {
    QString topic;
    int questions = 0;    // the topic's questions in the bank
    int seen = 0;         // of them, answered at least once in practice
    int known = 0;        // of them, QuestionStanding::known()
    int openMistakes = 0; // of them, with an open mistake

    bool operator==(const TopicStanding&) const = default;
};

// One row a topic of `items` among `topics` (all when empty; matched as
// topicMatches does), in the order the topics first come in the bank. A
// question is known to the store by its id, the second field of its "Q."
// line; answers to questions the bank no longer has are not counted.
std::vector<TopicStanding> topicStandings(const std::vector<PracticeItem>& items,
    const QHash<QString, QuestionStanding>& standings, const QStringList& topics = {});

// One topic in words: "signs: 12 of 124 seen, 9 known, 2 open mistakes".
QString topicStandingText(const TopicStanding& row);

// The rows added up, with an empty topic.
TopicStanding totalStanding(const std::vector<TopicStanding>& rows);

// The rows as plain text for a terminal: a heading line, one line a topic and
// a total line, in aligned columns, in the program's language.
QString standingTable(const std::vector<TopicStanding>& rows);

// Said instead of the table when the learner has not practised on the bank.
QString noProgressText();

} // namespace veltrin
