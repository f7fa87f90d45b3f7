// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ProgressStore.h"
#include "engine/QRecord.h"
#include "engine/Reasons.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace veltrin {

class RandomSource;

// Practice: a round of up to 20 questions without a time limit, the learner's
// open mistakes first, each verdict with the reason behind the right answer.

inline constexpr int kPracticeQuestions = 20;

// What practice knows of one record of a bank: the first two fields of its
// "Q." line.
struct PracticeItem {
    QString topic; // tag1
    QString id;    // tag2
};

// The practice mode of an exam session.
struct Practice {
    QStringList topics; // the topics the round draws from; empty for all
    QString dataFolder; // where the learner's progress is kept
    // Told each problem with the progress once, as one line (a damaged file
    // kept aside, a store that cannot be written); the round goes on.
    std::function<void(const QString&)> tell;
};

// The round's questions, as indexes into `items`: first the open mistakes,
// then the questions never seen, then the rest, each group shuffled with
// `random` (as the exam shuffles its deck), at most kPracticeQuestions in all.
// Only records whose topic is among `topics` (matched as topicMatches does)
// are drawn; empty `topics` draws from all.
std::vector<int> practiceDraw(const std::vector<PracticeItem>& items, const QHash<QString, QuestionStanding>& standings,
    const QStringList& topics, RandomSource& random);

// Whether the topic `asked` (from the command line) names `topic` of a bank:
// letter case does not matter.
bool topicMatches(const QString& topic, const QString& asked);
// The bank's topics, each once, in the order the bank first names them.
QStringList bankTopics(const std::vector<PracticeItem>& items);
// Those of `asked` that name none of the bank's topics.
QStringList unknownTopics(const std::vector<PracticeItem>& items, const QStringList& asked);

// The topic and id of each record.
std::vector<PracticeItem> practiceItems(const std::vector<QRecord>& records);

// The topic and id of each question of the bank file `bankPath`, read as an
// exam start reads it. Empty with `error` set for a bank the start refuses.
std::vector<PracticeItem> readPracticeItems(const QString& bankPath, QString* error = nullptr);

// The practice window's instructions, shown until Start. Lines are broken
// with CR LF.
QString practiceInstructionsText();

// A round is passed at the exam's rate: 17 right out of every 20.
bool practicePassed(int score, int asked);
// The result of a round of `asked` questions.
QString practiceResultText(int score, int asked);

// The verdict, then the reason and its source when there is one.
QString practiceVerdictText(const QString& verdict, const std::optional<Reason>& reason);

} // namespace veltrin
