#include "BankCheck.h"

#include "engine/BankReader.h"
#include "platform/ProgramFolder.h"

#include <QHash>
#include <QImageReader>

#include <algorithm>

namespace veltrin {

namespace {

class Checker {
public:
    Checker(const QString& bankPath, QString pictureFolder)
        : m_path(bankPath)
        , m_pictureFolder(std::move(pictureFolder))
    { }

    BankReport run();

private:
    void error(const BankError& broken) { error(broken.line, broken.sentence); }
    void error(qint64 line, const QString& message)
    {
        m_report.findings.push_back({Finding::Severity::Error, line, message});
    }
    void warning(qint64 line, const QString& message)
    {
        m_report.findings.push_back({Finding::Severity::Warning, line, message});
    }
    void onLine(qint64 line, BankReader::LineKind kind, bool inRecord);
    void checkRecord(int number, qint64 line);
    void checkPicture(int number, qint64 line, const QString& picture);

    QString m_path;
    QString m_pictureFolder;
    BankReader m_reader;
    BankReport m_report;
    QHash<QString, int> m_texts; // simplified question text -> first question with it
};

void Checker::onLine(qint64 line, BankReader::LineKind kind, bool inRecord)
{
    switch (kind) {
    case BankReader::LineKind::RecordStart:
        if (inRecord) {
            // The record before this one is still open: one read takes both and
            // keeps only the later, so the earlier can never be asked.
            error(bankrule::ranOn(line, m_reader.recno + 1));
        }
        break;
    case BankReader::LineKind::Answer:
        if (!inRecord)
            warning(line, QStringLiteral("answer line outside a question; it belongs to nothing and is ignored"));
        break;
    case BankReader::LineKind::Text:
        if (!inRecord)
            warning(line, QStringLiteral("text outside a question; it belongs to nothing and is ignored"));
        break;
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
    m_report.stats.declared = m_reader.count();

    m_reader.recno = 0;
    m_reader.readRecords([this] {
        checkRecord(m_reader.recno, m_reader.curqLine());
        return true;
    });
    if (m_reader.failed())
        error(m_reader.error());

    BankStats& stats = m_report.stats;
    stats.records = m_reader.recno;
    if (stats.records < stats.declared) {
        // Shown at the header, where the count is mended.
        error(1, bankrule::endsEarly(m_reader.lineNumber(), stats.records, stats.declared).sentence);
    } else if (stats.records > stats.declared) {
        warning(1,
            QStringLiteral("the header declares %1 questions but the file holds %2; "
                           "the questions after number %1 are never asked")
                .arg(stats.declared)
                .arg(stats.records));
    }
    return m_report;
}

void Checker::checkRecord(int number, qint64 line)
{
    const QRecord record = m_reader.curq();
    BankStats& stats = m_report.stats;

    if (const std::optional<BankError> fault = m_reader.recordFault())
        error(*fault);
    const int right = correctNumber(record.correct);
    if (right > 0) {
        ++stats.rightAnswers.at(right - 1);
        if (record.answer.at(right - 1).isEmpty()) {
            warning(line,
                QStringLiteral("question %1 names answer %2 as right, but answer %2 is empty, "
                               "so it cannot be answered right")
                    .arg(number)
                    .arg(right));
        }
    }

    if (record.text.isEmpty()) {
        warning(line,
            QStringLiteral("question %1 has no question text; the previous question's text "
                           "would stay on screen")
                .arg(number));
    } else {
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

    for (int i = 0; i < 3; ++i) {
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

void Checker::checkPicture(int number, qint64 line, const QString& picture)
{
    const QString path = findProgramFile(m_pictureFolder, picture);
    if (path.isEmpty()) {
        warning(line,
            QStringLiteral("question %1: the picture \"%2\" is not in the program folder").arg(number).arg(picture));
        return;
    }
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
