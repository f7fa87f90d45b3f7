// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BankRules.h"
#include "engine/QRecord.h"

#include <QString>

#include <vector>

namespace veltrin {

class ProgressStore;

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

// One row a topic, in the order the topics first come in the bank. A question
// is known to the store by its id, the second field of its "Q." line; answers
// to questions the bank no longer has are not counted.
std::vector<TopicStanding> topicStandings(const std::vector<QRecord>& bankRecords, const ProgressStore& store);

// The rows added up, with an empty topic.
TopicStanding totalStanding(const std::vector<TopicStanding>& rows);

// The questions an exam can be drawn from (those within the header's count),
// read as an exam start reads them: false for a bank the exam start refuses,
// with `error` saying why as the refusal does.
bool readBankRecords(const QString& bankPath, std::vector<QRecord>* records, BankError* error);

// The rows as plain text for a terminal: a heading line, one line a topic and
// a total line, in aligned columns, in the program's language.
QString standingTable(const std::vector<TopicStanding>& rows);

// Said instead of the table when the learner has not practised on the bank.
QString noProgressText();

} // namespace veltrin
