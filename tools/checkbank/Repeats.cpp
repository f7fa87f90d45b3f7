// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Repeats.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <utility>

namespace veltrin {

namespace {

// Closer than this, two questions are repeats on their words alone.
constexpr double kSameWords = 0.75;
// A picture named in the other question's text needs this much more in common.
constexpr double kNamedPictureWords = 0.28;
// Two questions on the same picture repeat when their right answers share this much.
constexpr double kSamePictureKey = 0.6;
// A word in more questions than this does not make two questions worth comparing
// (they are compared by all their words once they are).
constexpr int kIndexedWordMostQuestions = 64;
// A one-word picture name counts as named only when it is this rare ("dip", not "stop").
constexpr int kNamedWordMostQuestions = 5;

const QSet<QString>& stopWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        const char* english = "a an the of to in on at for and or is are be been being you your yours what when which "
                              "should do does did must this that these those it its with by from as if may can could "
                              "how where who whom why there their they them will would than then so but into about "
                              "any all one some such other more most very just also shown here";
        const char* spanish = "el la lo los las un una unos unas de del al a en y e o u que es son ser se su sus por "
                              "para con le les este esta estos estas ese esa esos esas esto eso usted ustedes debe "
                              "deben cuando cual cuales como donde quien si hay mas muy ya sin sobre entre hasta desde "
                              "puede pueden";
        for (const char* list : {english, spanish}) {
            for (const QString& word : QString::fromLatin1(list).split(QLatin1Char(' ')))
                set.insert(word);
        }
        return set;
    }();
    return words;
}

// Pairs of words that make two otherwise alike answers opposite.
const std::vector<std::pair<QString, QString>>& opposites()
{
    static const std::vector<std::pair<QString, QString>> pairs = [] {
        std::vector<std::pair<QString, QString>> list;
        const char* words[][2] = {{"left", "right"}, {"izquierda", "derecha"}, {"toward", "away"},
            {"uphill", "downhill"}, {"arriba", "abajo"}, {"subida", "bajada"}, {"hacia", "contraria"},
            {"before", "after"}, {"ante", "despue"}, {"ahead", "behind"}, {"green", "red"}, {"yellow", "red"},
            {"green", "yellow"}, {"verde", "roja"}, {"verde", "rojo"}, {"amarilla", "roja"}, {"front", "back"},
            {"up", "down"}, {"enter", "leave"}, {"day", "night"}, {"dia", "noche"}};
        for (const auto& pair : words)
            list.emplace_back(QString::fromLatin1(pair[0]), QString::fromLatin1(pair[1]));
        return list;
    }();
    return pairs;
}

} // namespace

QStringList foldedWords(const QString& text)
{
    const QString decomposed = text.toCaseFolded().normalized(QString::NormalizationForm_D);
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue;
        plain += c.isLetterOrNumber() ? c : QLatin1Char(' ');
    }
    return plain.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

namespace {

// "stopping" -> "stop", "signals" -> "signal", "curved" -> "curv": enough for
// two forms of one word to meet, in English and mostly in Spanish.
QString stem(QString word)
{
    const auto undouble = [](QString& w) {
        if (w.size() > 2 && w.back() == w.at(w.size() - 2) && w.back() != QLatin1Char('l')
            && w.back() != QLatin1Char('s'))
            w.chop(1);
    };
    if (word.size() > 5 && word.endsWith(QLatin1String("ing"))) {
        word.chop(3);
        undouble(word);
    } else if (word.size() > 4 && word.endsWith(QLatin1String("ed"))) {
        word.chop(2);
        undouble(word);
    } else if (word.size() > 3 && word.endsWith(QLatin1Char('s')) && !word.endsWith(QLatin1String("ss"))) {
        word.chop(1);
    }
    return word;
}

// The words of a picture's file name: "pictures\soft-shoulder.png" -> "soft shoulder".
QString pictureName(const QString& picture)
{
    QString name
        = picture.mid(std::max(picture.lastIndexOf(QLatin1Char('\\')), picture.lastIndexOf(QLatin1Char('/'))) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name.truncate(dot);
    return name;
}

struct Question {
    std::vector<int> all;                       // word ids of text, picture name and key, sorted, each once
    std::vector<int> key;                       // word ids of the key, sorted
    std::vector<int> numbers;                   // word ids of the key's numbers
    std::vector<std::pair<int, double>> weight; // by word number
    double total = 0;
    QString plainText;  // " word word ... " of the text, for finding a picture's name in it
    QString namePhrase; // " soft shoulder ", or empty without a picture
    QString pictureKey; // the picture, case folded
    QString exactKey;   // text and picture, for what the plainer check finds
    size_t exactHash = 0;
};

bool shares(const std::vector<int>& a, const std::vector<int>& b)
{
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i == *j)
            return true;
        if (*i < *j)
            ++i;
        else
            ++j;
    }
    return false;
}

class Finder {
public:
    explicit Finder(const std::vector<RepeatEntry>& entries);
    std::vector<RepeatPair> run();

private:
    int id(const QString& word);
    std::vector<int> ids(const QString& text);
    double similarity(const Question& a, const Question& b) const;
    double keySimilarity(const Question& a, const Question& b) const;
    bool opposite(const Question& a, const Question& b) const;
    bool namesPicture(const Question& pictured, const Question& other) const;
    bool repeats(const Question& a, const Question& b) const;

    QHash<QString, int> m_ids;
    // The opposite words that occur in the bank, as word numbers: a pair is
    // looked at for every candidate, so not by its text.
    std::vector<std::pair<int, int>> m_opposites;
    std::vector<QString> m_words;
    std::vector<int> m_df; // questions that hold each word
    std::vector<Question> m_questions;
};

int Finder::id(const QString& word)
{
    const auto found = m_ids.constFind(word);
    if (found != m_ids.constEnd())
        return *found;
    const int next = static_cast<int>(m_words.size());
    m_ids.insert(word, next);
    m_words.push_back(word);
    m_df.push_back(0);
    return next;
}

std::vector<int> Finder::ids(const QString& text)
{
    std::vector<int> result;
    for (const QString& word : contentWords(text))
        result.push_back(id(word));
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

Finder::Finder(const std::vector<RepeatEntry>& entries)
{
    m_questions.reserve(entries.size());
    for (const RepeatEntry& entry : entries) {
        Question q;
        const QString name = entry.picture.isEmpty() ? QString() : pictureName(entry.picture);
        const std::vector<int> asked = ids(entry.text + QLatin1Char(' ') + name);
        q.key = ids(entry.key);
        std::set_union(asked.begin(), asked.end(), q.key.begin(), q.key.end(), std::back_inserter(q.all));
        for (const int w : q.key) {
            if (m_words.at(w).front().isDigit())
                q.numbers.push_back(w);
        }
        for (const int w : q.all)
            ++m_df.at(w);
        // A word counts once for being asked and once more for being the answer.
        for (const int w : q.all) {
            const bool inAsked = std::binary_search(asked.begin(), asked.end(), w);
            const bool inKey = std::binary_search(q.key.begin(), q.key.end(), w);
            q.weight.emplace_back(w, (inAsked ? 1.0 : 0.0) + (inKey ? 1.0 : 0.0));
        }
        q.plainText = QLatin1Char(' ') + foldedWords(entry.text).join(QLatin1Char(' ')) + QLatin1Char(' ');
        if (!name.isEmpty()) {
            const QStringList words = foldedWords(name);
            if (!words.isEmpty())
                q.namePhrase = QLatin1Char(' ') + words.join(QLatin1Char(' ')) + QLatin1Char(' ');
        }
        q.pictureKey = entry.picture.toCaseFolded();
        q.exactKey = entry.text.simplified().toCaseFolded() + QLatin1Char('\n') + q.pictureKey;
        q.exactHash = qHash(q.exactKey);
        m_questions.push_back(std::move(q));
    }
    for (const auto& [one, other] : opposites()) {
        const auto a = m_ids.constFind(one);
        const auto b = m_ids.constFind(other);
        if (a != m_ids.constEnd() && b != m_ids.constEnd())
            m_opposites.emplace_back(*a, *b);
    }
    // Rarer words weigh more.
    const double n = static_cast<double>(m_questions.size());
    for (Question& q : m_questions) {
        for (auto& [word, weight] : q.weight) {
            weight *= std::log(n / m_df.at(word));
            q.total += weight;
        }
    }
}

double Finder::similarity(const Question& a, const Question& b) const
{
    if (a.total + b.total <= 0)
        return 0;
    // Both lists are in word order: one walk through them finds the shared
    // words.
    double shared = 0;
    auto i = a.weight.cbegin();
    auto j = b.weight.cbegin();
    while (i != a.weight.cend() && j != b.weight.cend()) {
        if (i->first < j->first) {
            ++i;
        } else if (j->first < i->first) {
            ++j;
        } else {
            shared += std::min(i->second, j->second);
            ++i;
            ++j;
        }
    }
    return 2 * shared / (a.total + b.total);
}

double Finder::keySimilarity(const Question& a, const Question& b) const
{
    if (a.key.empty() || b.key.empty())
        return 0;
    std::vector<int> common;
    std::set_intersection(a.key.begin(), a.key.end(), b.key.begin(), b.key.end(), std::back_inserter(common));
    return 2.0 * static_cast<double>(common.size()) / static_cast<double>(a.key.size() + b.key.size());
}

bool Finder::opposite(const Question& a, const Question& b) const
{
    if (!a.numbers.empty() && !b.numbers.empty() && a.numbers != b.numbers)
        return true;
    const auto onlyIn = [](const Question& q, const Question& other, int word) {
        return std::binary_search(q.all.begin(), q.all.end(), word)
            && !std::binary_search(other.all.begin(), other.all.end(), word);
    };
    for (const auto& [one, other] : m_opposites) {
        if ((onlyIn(a, b, one) && onlyIn(b, a, other)) || (onlyIn(a, b, other) && onlyIn(b, a, one)))
            return true;
    }
    return false;
}

bool Finder::namesPicture(const Question& pictured, const Question& other) const
{
    if (pictured.namePhrase.isEmpty() || !other.pictureKey.isEmpty() || !other.plainText.contains(pictured.namePhrase))
        return false;
    const QString single = pictured.namePhrase.trimmed();
    if (single.contains(QLatin1Char(' ')))
        return true;
    const auto found = m_ids.constFind(stem(single));
    return found != m_ids.constEnd() && m_df.at(*found) <= kNamedWordMostQuestions;
}

bool Finder::repeats(const Question& a, const Question& b) const
{
    if ((a.exactHash == b.exactHash && a.exactKey == b.exactKey) || opposite(a, b))
        return false;
    const double words = similarity(a, b);
    if (words >= kSameWords)
        return true;
    if (a.pictureKey != b.pictureKey && words >= kNamedPictureWords && shares(a.key, b.key)
        && (namesPicture(a, b) || namesPicture(b, a)))
        return true;
    return !a.pictureKey.isEmpty() && a.pictureKey == b.pictureKey && keySimilarity(a, b) >= kSamePictureKey;
}

std::vector<RepeatPair> Finder::run()
{
    // Comparing every question with every other is 537 million comparisons
    // on a bank of 32767 questions. Instead an inverted index from each word
    // to the questions that hold it proposes only the questions that share a
    // word with this one, and only through words held by few questions: a
    // word most questions hold says nothing about two of them, and would
    // bring the all-pairs cost back. Repeats share rarer words, so they are
    // still proposed, and are then compared by all their words.
    std::vector<std::vector<int>> postings(m_words.size());
    std::vector<int> seenBy(m_questions.size(), -1);
    std::vector<RepeatPair> pairs;
    for (int later = 0; later < static_cast<int>(m_questions.size()); ++later) {
        const Question& q = m_questions.at(static_cast<size_t>(later));
        int best = -1;
        double bestWords = -1;
        for (const int w : q.all) {
            if (m_df.at(w) > kIndexedWordMostQuestions)
                continue;
            for (const int earlier : postings.at(w)) {
                if (seenBy.at(earlier) == later)
                    continue;
                seenBy.at(earlier) = later;
                const Question& e = m_questions.at(static_cast<size_t>(earlier));
                if (!repeats(e, q))
                    continue;
                const double words = similarity(e, q);
                if (words > bestWords || (words == bestWords && earlier < best)) {
                    best = earlier;
                    bestWords = words;
                }
            }
            postings.at(w).push_back(later);
        }
        if (best >= 0)
            pairs.push_back({best, later});
    }
    return pairs;
}

} // namespace

QStringList contentWords(const QString& text)
{
    QStringList words;
    for (const QString& word : foldedWords(text)) {
        if (word.size() > 1 && !stopWords().contains(word))
            words << stem(word);
    }
    return words;
}

std::vector<RepeatPair> findRepeats(const std::vector<RepeatEntry>& entries)
{
    return Finder(entries).run();
}

} // namespace veltrin
