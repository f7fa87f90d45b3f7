// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Practice.h"

#include "engine/BankReader.h"
#include "engine/Messages.h"
#include "platform/Random.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrin {

namespace {

// A full Fisher-Yates shuffle taken as the exam takes its deck: from the last
// place down, each place swapped with a place at or before it. A source that
// always answers just under 1 keeps the order.
void shuffle(std::vector<int>& group, RandomSource& random)
{
    for (auto i = static_cast<int>(group.size()); i >= 2; --i) {
        const float r = random.next();
        int j = static_cast<int>(std::floor(static_cast<double>(r) * i)) + 1;
        j = std::clamp(j, 1, i);
        std::swap(group[static_cast<size_t>(i - 1)], group[static_cast<size_t>(j - 1)]);
    }
}

bool inTopics(const QString& topic, const QStringList& topics)
{
    return topics.isEmpty() || std::any_of(topics.cbegin(), topics.cend(), [&](const QString& asked) {
        return topicMatches(topic, asked);
    });
}

} // namespace

std::vector<int> practiceDraw(const std::vector<PracticeItem>& items, const QHash<QString, QuestionStanding>& standings,
    const QStringList& topics, RandomSource& random)
{
    std::vector<int> mistakes;
    std::vector<int> unseen;
    std::vector<int> rest;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!inTopics(items[i].topic, topics))
            continue;
        const QuestionStanding standing = standings.value(items[i].id);
        if (standing.openMistake)
            mistakes.push_back(static_cast<int>(i));
        else if (standing.seen == 0)
            unseen.push_back(static_cast<int>(i));
        else
            rest.push_back(static_cast<int>(i));
    }
    std::vector<int> round;
    for (std::vector<int>* group : {&mistakes, &unseen, &rest}) {
        shuffle(*group, random);
        round.insert(round.end(), group->begin(), group->end());
    }
    if (round.size() > static_cast<size_t>(kPracticeQuestions))
        round.resize(kPracticeQuestions);
    return round;
}

bool topicMatches(const QString& topic, const QString& asked)
{
    return topic.compare(asked.trimmed(), Qt::CaseInsensitive) == 0;
}

QStringList bankTopics(const std::vector<PracticeItem>& items)
{
    QStringList topics;
    for (const PracticeItem& item : items) {
        if (!topics.contains(item.topic))
            topics << item.topic;
    }
    return topics;
}

QStringList unknownTopics(const std::vector<PracticeItem>& items, const QStringList& asked)
{
    QStringList unknown;
    for (const QString& topic : asked) {
        if (std::none_of(items.cbegin(), items.cend(),
                [&](const PracticeItem& item) { return topicMatches(item.topic, topic); }))
            unknown << topic;
    }
    return unknown;
}

std::vector<PracticeItem> practiceItems(const std::vector<QRecord>& records)
{
    std::vector<PracticeItem> items;
    items.reserve(records.size());
    for (const QRecord& q : records)
        items.push_back({q.tag1, q.tag2});
    return items;
}

std::vector<PracticeItem> readPracticeItems(const QString& bankPath, QString* error)
{
    std::vector<QRecord> records;
    BankError why;
    if (!readBankRecords(bankPath, &records, &why) && error != nullptr)
        *error = why.detail();
    return practiceItems(records);
}

QString practiceInstructionsText()
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QCoreApplication::translate("Practice",
               "This is practice: up to %1 questions, your open mistakes first, then questions you have not "
               "seen yet.  There is no time limit.")
               .arg(kPracticeQuestions)
        + lineBreak + lineBreak
        + QCoreApplication::translate("Practice",
            "After each answer you see why the right answer is right.  A mistake comes back in later rounds "
            "until you have answered it right twice in a row.")
        + lineBreak + lineBreak + QCoreApplication::translate("Exam", "       Press the START button to begin.");
}

bool practicePassed(int score, int asked)
{
    return score * kQuestionsPerExam >= kPassMark * asked;
}

QString practiceResultText(int score, int asked)
{
    // %n is the score; a translation can make the words agree with it.
    return (practicePassed(score, asked) ? QCoreApplication::translate(
                "Practice", "You Pass.  You had %n correct answers out of %1.", nullptr, score)
                                         : QCoreApplication::translate("Practice",
                                             "You Failed.  You had %n correct answers out of %1.", nullptr, score))
        .arg(asked);
}

QString practiceVerdictText(const QString& verdict, const std::optional<Reason>& reason)
{
    if (!reason)
        return verdict;
    return verdict + QStringLiteral("\n\n") + reason->text + QStringLiteral("\n\n")
        + QCoreApplication::translate("Practice", "Source: %1").arg(reason->source);
}

} // namespace veltrin
