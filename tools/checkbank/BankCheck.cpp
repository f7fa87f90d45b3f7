// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BankCheck.h"

#include "Repeats.h"
#include "engine/BankLocation.h"
#include "engine/BankReader.h"
#include "engine/Reasons.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>

#include <algorithm>
#include <utility>

namespace veltrin {

namespace {

class Checker {
public:
    Checker(const QString& bankPath, const QString& pictureFolder)
        : m_path(bankPath)
        , m_pictureFolders(pictureFolders(pictureFolder))
    { }

    BankReport run();

private:
    void error(const BankError& broken) { error(broken.line, broken.sentence); }
    void error(qint64 line, const QString& message)
    {
        m_report.findings.push_back({Finding::Severity::Error, line, message, {}});
    }
    void warning(qint64 line, const QString& message)
    {
        m_report.findings.push_back({Finding::Severity::Warning, line, message, {}});
    }
    void onLine(qint64 line, BankReader::LineKind kind, bool inRecord);
    void checkRecord(int number, qint64 line);
    void checkAnswers(int number, qint64 line, const QRecord& record, int right);
    void checkPicture(int number, qint64 line, const QString& picture);
    void findUnusedPictures();
    void findRepeatedQuestions();
    void checkReasons();
    static bool inAnotherBanksFolder(const QString& top, const QString& path);

    QString m_path;
    QStringList m_pictureFolders; // where pictures are looked up, in order
    BankReader m_reader;
    BankReport m_report;
    QHash<QString, int> m_texts;  // simplified question text -> first question with it
    qint64 m_textLine = 0;        // the current question's text line so far
    QSet<QString> m_usedPictures; // paths of the pictures the questions name

    // Each question as read: its number, line and id, and what the repeat
    // finder compares.
    struct Asked {
        int number = 0;
        qint64 line = 0;
        QString id;
    };
    std::vector<Asked> m_asked;
    std::vector<RepeatEntry> m_entries;
    bool m_letteredSaid = false; // lettered answers have been reported
};

void Checker::onLine(qint64 line, BankReader::LineKind kind, bool inRecord)
{
    switch (kind) {
    case BankReader::LineKind::RecordStart: m_textLine = 0; break;
    case BankReader::LineKind::Answer:
        if (!inRecord)
            warning(line, QStringLiteral("answer line outside a question; it belongs to nothing and is ignored"));
        break;
    case BankReader::LineKind::Text: {
        const QString text = m_reader.dbline();
        // Answers lettered "A." to "D." are said once, as an error of their
        // question, not as text lines.
        if (inRecord && bankrule::looksLettered(text.left(2).toLatin1()))
            break;
        if (inRecord && text.trimmed().isEmpty()) {
            warning(line,
                QStringLiteral("this line holds only spaces or tabs: it looks empty, but only an empty line "
                               "ends question %1, so what follows runs into it")
                    .arg(m_reader.recno));
        } else if (!inRecord) {
            warning(line, QStringLiteral("text outside a question; it belongs to nothing and is ignored"));
        } else if (m_textLine > 0) {
            warning(m_textLine,
                QStringLiteral("question %1 has another text line on line %2; only the last text line is "
                               "shown, so this one is dropped")
                    .arg(m_reader.recno)
                    .arg(line));
        }
        if (inRecord && !text.trimmed().isEmpty())
            m_textLine = line;
        break;
    }
    case BankReader::LineKind::Empty: break;
    }
}

BankReport Checker::run()
{
    m_reader.setLineObserver(
        [this](qint64 line, BankReader::LineKind kind, bool inRecord) { onLine(line, kind, inRecord); });
    if (!m_reader.openPath(m_path)) {
        error(m_reader.error());
        return m_report;
    }
    m_report.stats.headerRead = true;
    m_report.stats.declared = m_reader.count();

    m_reader.recno = 0;
    BankStats& stats = m_report.stats;
    m_reader.readRecords([this] {
        ++m_report.stats.records;
        checkRecord(m_reader.recno, m_reader.curqLine());
        return true;
    });
    if (m_reader.failed())
        error(m_reader.error());

    stats.unreadable = m_reader.recno - stats.records;
    if (m_reader.recno < stats.declared) {
        error(bankrule::endsEarly(m_reader.recno, stats.declared));
    } else if (m_reader.recno > stats.declared) {
        warning(1,
            QStringLiteral("the header declares %1 questions but the file holds %2; "
                           "the questions after number %1 are never asked")
                .arg(stats.declared)
                .arg(m_reader.recno));
    }
    findUnusedPictures();
    findRepeatedQuestions();
    checkReasons();
    return m_report;
}

void Checker::findRepeatedQuestions()
{
    for (const RepeatPair& pair : findRepeats(m_entries)) {
        const Asked& earlier = m_asked.at(static_cast<size_t>(pair.earlier));
        const Asked& later = m_asked.at(static_cast<size_t>(pair.later));
        warning(later.line,
            QStringLiteral("question %1 (%2) asks what question %3 (%4, line %5) asks, with much the same right "
                           "answer; one of them is enough")
                .arg(later.number)
                .arg(later.id)
                .arg(earlier.number)
                .arg(earlier.id)
                .arg(earlier.line));
        ++m_report.stats.repeats;
    }
}

void Checker::checkReasons()
{
    const QString path = reasonsPathFor(m_path);
    const ReasonsFile file = readReasonsFile(path);
    if (!file.exists)
        return;
    m_report.stats.hasReasons = true;
    const QString name = QFileInfo(path).fileName();
    for (const ReasonProblem& problem : file.problems) {
        m_report.findings.push_back({Finding::Severity::Error, problem.line,
            QStringLiteral("%1: %2").arg(
                problem.line > 0 ? name + QStringLiteral(", line ") + QString::number(problem.line) : name,
                problem.message),
            path});
    }
    QSet<QString> ids;
    for (const Asked& asked : m_asked)
        ids.insert(asked.id);
    QSet<QString> reasoned;
    for (const ReasonLine& reason : file.reasons) {
        reasoned.insert(reason.id);
        if (!ids.contains(reason.id)) {
            m_report.findings.push_back({Finding::Severity::Warning, reason.line,
                QStringLiteral("%1 gives a reason for %2, but the bank has no question %2").arg(name, reason.id),
                path});
        }
    }
    for (const Asked& asked : m_asked) {
        if (reasoned.contains(asked.id))
            ++m_report.stats.withReason;
        else
            warning(asked.line,
                QStringLiteral("question %1 (%2) has no reason in %3").arg(asked.number).arg(asked.id, name));
    }
}

bool Checker::inAnotherBanksFolder(const QString& folder, const QString& path)
{
    // A folder inside the picture folder that holds a bank of its own (an
    // example bank, say) keeps its own pictures.
    const QString top = QDir(folder).canonicalPath();
    QDir dir = QFileInfo(path).absoluteDir();
    while (dir.canonicalPath() != top && dir.canonicalPath().startsWith(top)) {
        if (dir.exists(QStringLiteral("veltrin.dll")))
            return true;
        if (!dir.cdUp())
            break;
    }
    return false;
}

void Checker::findUnusedPictures()
{
    QSet<QString> seen = m_usedPictures;
    for (const QString& top : std::as_const(m_pictureFolders)) {
        QDirIterator it(top,
            {QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.bmp"),
                QStringLiteral("*.gif")},
            QDir::Files, QDirIterator::Subdirectories);
        const QDir folder(top);
        while (it.hasNext()) {
            const QString path = it.next();
            if (seen.contains(QFileInfo(path).canonicalFilePath()) || inAnotherBanksFolder(top, path))
                continue;
            seen.insert(QFileInfo(path).canonicalFilePath());
            m_report.stats.unusedPictures << folder.relativeFilePath(path);
        }
    }
    m_report.stats.unusedPictures.sort();
}

void Checker::checkRecord(int number, qint64 line)
{
    const QRecord record = m_reader.curq();
    BankStats& stats = m_report.stats;

    const bool lettered = m_reader.hasLetteredAnswers();
    const QString letteredSentence = lettered ? bankrule::letteredAnswers(0, number).sentence : QString();
    for (const BankError& fault : m_reader.recordFaults()) {
        // Lettered answers are said once: a bank that letters one question's
        // answers letters them all.
        if (lettered && fault.sentence == letteredSentence && std::exchange(m_letteredSaid, true))
            continue;
        error(fault);
    }
    ++stats.topics[record.tag1];
    const int right = correctNumber(record.correct);
    if (right > 0)
        ++stats.rightAnswers.at(right - 1);
    checkAnswers(number, line, record, right);
    m_asked.push_back({number, line, record.tag2});
    m_entries.push_back(
        {record.text, record.picture, right > 0 ? record.answer.at(static_cast<size_t>(right - 1)) : QString()});

    if (record.text.isEmpty()) {
        warning(line,
            QStringLiteral("question %1 has no question text; the previous question's text "
                           "would stay on screen")
                .arg(number));
    } else {
        if (wrappedLines(record.text, kQuestionLineChars) > kQuestionLines) {
            warning(line,
                QStringLiteral("question %1: its text is longer than the question box shows (%2 lines of %3 "
                               "characters); the rest has to be scrolled to")
                    .arg(number)
                    .arg(kQuestionLines)
                    .arg(kQuestionLineChars));
        }
        // A picture question is its text and its picture together: "What does
        // this sign mean?" asked of two signs is two questions.
        const QString key = record.text.simplified().toCaseFolded() + QLatin1Char('\n') + record.picture.toCaseFolded();
        const auto seen = m_texts.constFind(key);
        if (seen != m_texts.constEnd()) {
            warning(line,
                QStringLiteral("question %1 repeats question %2%3")
                    .arg(number)
                    .arg(*seen)
                    .arg(record.picture.isEmpty() ? QString() : QStringLiteral(", picture and all")));
        } else
            m_texts.insert(key, number);
    }

    for (int i = 0; i < 3 && !lettered; ++i) {
        if (record.answer.at(i).isEmpty())
            warning(line, QStringLiteral("question %1: answer %2 is empty").arg(number).arg(i + 1));
    }
    if (record.answer.at(3).isEmpty())
        ++stats.threeAnswer;

    if (!record.picture.isEmpty()) {
        ++stats.withPicture;
        checkPicture(number, line, record.picture);
    }
}

void Checker::checkAnswers(int number, qint64 line, const QRecord& record, int right)
{
    for (int i = 0; i < 4; ++i) {
        if (wrappedLines(record.answer.at(i), kAnswerLineChars) > kAnswerLines) {
            warning(line,
                QStringLiteral("question %1: answer %2 is longer than its label shows (%3 lines of %4 characters)")
                    .arg(number)
                    .arg(i + 1)
                    .arg(kAnswerLines)
                    .arg(kAnswerLineChars));
        }
    }
    const bool fourAnswers = !record.answer.at(3).isEmpty();
    if (fourAnswers)
        ++m_report.stats.fourAnswer;
    if (right == 0 || record.answer.at(right - 1).isEmpty())
        return;
    int longestOther = 0;
    for (int i = 0; i < 4; ++i) {
        if (i != right - 1)
            longestOther = std::max(longestOther, static_cast<int>(record.answer.at(i).size()));
    }
    const QString& key = record.answer.at(right - 1);
    if (fourAnswers && key.size() > longestOther)
        ++m_report.stats.rightLongest;
    if (const QString word = absoluteOpener(record, right); !word.isEmpty()) {
        warning(line,
            QStringLiteral("question %1: every wrong answer opens with \"%2\" and the right answer does not hold "
                           "it, which gives it away")
                .arg(number)
                .arg(word));
    }
    if (keyLongByFar(key, longestOther)) {
        warning(line,
            QStringLiteral("question %1: the right answer is far longer than any other (%2 characters against "
                           "%3), which gives it away")
                .arg(number)
                .arg(key.size())
                .arg(longestOther));
    }
}

void Checker::checkPicture(int number, qint64 line, const QString& picture)
{
    const QString path = findBankPicture(m_pictureFolders.constFirst(), picture);
    if (path.isEmpty()) {
        QStringList folders;
        for (const QString& folder : std::as_const(m_pictureFolders))
            folders << QDir::toNativeSeparators(QDir(folder).absolutePath());
        warning(line,
            QStringLiteral("question %1: the picture \"%2\" is not in %3")
                .arg(number)
                .arg(picture, folders.join(QLatin1String(" nor in "))));
        return;
    }
    m_usedPictures.insert(QFileInfo(path).canonicalFilePath());
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || !reader.canRead()) {
        warning(line,
            QStringLiteral("question %1: the picture \"%2\" cannot be read as a picture").arg(number).arg(picture));
        return;
    }
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
        warning(line,
            QStringLiteral("question %1: the picture \"%2\" is %3 x %4 pixels, larger than %5 x %5; "
                           "it is never scaled and would cover the answers")
                .arg(number)
                .arg(picture)
                .arg(size.width())
                .arg(size.height())
                .arg(kMaxPictureSide));
    }
}

} // namespace

int wrappedLines(const QString& text, int width)
{
    if (text.isEmpty())
        return 0;
    int lines = 1;
    int used = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int length = static_cast<int>(word.size());
        if (used > 0 && used + 1 + length <= width) {
            used += 1 + length;
            continue;
        }
        if (used > 0)
            ++lines;
        // A word longer than a line fills lines of its own.
        lines += (length - 1) / width;
        used = length - ((length - 1) / width) * width;
    }
    return lines;
}

bool keyLongByFar(const QString& right, int longestOther)
{
    const auto length = static_cast<double>(right.size());
    return length > 1.5 * longestOther && right.size() >= longestOther + 15;
}

QString absoluteOpener(const QRecord& record, int right)
{
    static const QSet<QString> absolutes {QStringLiteral("only"), QStringLiteral("nothing"), QStringLiteral("never"),
        QStringLiteral("always"), QStringLiteral("just"), QStringLiteral("solo"), QStringLiteral("nada"),
        QStringLiteral("nunca"), QStringLiteral("siempre")};
    if (right < 1 || right > 4)
        return {};
    const QString& key = record.answer.at(static_cast<size_t>(right - 1));
    QString opener;
    QString written;
    int answers = 0;
    for (int i = 0; i < 4; ++i) {
        const QString& answer = record.answer.at(static_cast<size_t>(i));
        if (answer.isEmpty())
            continue;
        ++answers;
        if (i == right - 1)
            continue;
        const QStringList words = foldedWords(answer);
        const QString first = words.isEmpty() ? QString() : words.constFirst();
        if (!absolutes.contains(first) || (!opener.isEmpty() && first != opener))
            return {};
        if (opener.isEmpty()) {
            opener = first;
            written = answer.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        }
    }
    if (answers < 3 || opener.isEmpty() || foldedWords(key).contains(opener))
        return {};
    return written;
}

int BankReport::errors() const
{
    return static_cast<int>(std::count_if(
        findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Finding::Severity::Error; }));
}

int BankReport::warnings() const
{
    return static_cast<int>(findings.size()) - errors();
}

BankReport checkBank(const QString& bankPath, const QString& pictureFolder)
{
    return Checker(bankPath, pictureFolder).run();
}

} // namespace veltrin
