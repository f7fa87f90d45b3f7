// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BankReader.h"

#include <optional>

#include "engine/BankText.h"
#include "platform/ProgramFolder.h"

#include <algorithm>
#include <string_view>

namespace veltrin {

namespace {

const QString kBankName = QStringLiteral("\\veltrin.dll");

// How much of a file's start is looked at to tell whether it is text.
constexpr qsizetype kHeadBytes = 512;

// The answer text of an answer line: the line from its fourth character on.
// The third character is skipped whatever it is; one that lies outside the
// Basic Multilingual Plane is skipped whole.
QString answerText(const QString& line)
{
    qsizetype from = 3;
    if (line.size() > 2 && line.at(2).isHighSurrogate() && line.size() > 3 && line.at(3).isLowSurrogate())
        from = 4;
    return line.mid(from);
}

} // namespace

QString BankReader::pathIn(const QString& folder)
{
    return programPath(folder, kBankName);
}

bool BankReader::openq(const QString& folder)
{
    return openPath(pathIn(folder));
}

bool BankReader::openPath(const QString& path)
{
    close();
    m_error = {};
    dbpath = path;
    dbeof = 0;
    m_line.clear();
    m_hasRecordLine = false;
    m_recordLine.clear();
    m_text.clear();
    for (std::string& answer : m_answer)
        answer.clear();

    m_count = 0;
    m_ranOn.reset();
    m_letteredLine = 0;
    if (!m_source.open(dbpath)) {
        fail(bankrule::cannotOpen(dbpath, m_source.errorString()));
        return false;
    }

    // A look at the file's first bytes tells an empty file, and one that is
    // not text (a picture saved under the bank's name), from a bad header.
    const QByteArrayView head = m_source.peek(kHeadBytes);
    const bool empty = head.isEmpty();
    const bool binary = bankrule::looksBinary(head);

    QByteArrayView view;
    switch (m_source.readLine(view)) {
    case LineSource::Status::Line: break;
    case LineSource::Status::TooLong: fail(bankrule::lineTooLong(1, LineSource::kMaxLineBytes)); return false;
    case LineSource::Status::ReadError: fail(bankrule::lineUnreadable(1, m_source.errorString())); return false;
    }
    m_lineNumber = 1;
    if (empty) {
        fail(bankrule::emptyFile());
        return false;
    }
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        fail(bankrule::savedAsUtf16());
        return false;
    }
    QByteArray raw = view.toByteArray();
    stripByteOrderMark(raw);
    m_line.assign(raw.constData(), static_cast<size_t>(raw.size()));
    const QString header = decodeBankLine(raw);
    // A bank's header is text; control bytes further on are read as they
    // always were, as part of the questions.
    if (binary && !header.contains(QLatin1String("Copyright"))) {
        fail(bankrule::notText());
        return false;
    }
    if (raw.startsWith("Q.")) {
        fail(bankrule::noHeader());
        return false;
    }

    if (m_source.atEnd()) {
        fail(bankrule::headerOnly());
        return false;
    }
    if (!header.contains(QLatin1String("Copyright"))) {
        fail(bankrule::headerWithoutCopyright(header.contains(QLatin1String("Copyright"), Qt::CaseInsensitive)));
        return false;
    }
    const qsizetype space = header.indexOf(QLatin1Char(' '));
    if (space < 0) {
        fail(bankrule::headerWithoutSpace());
        return false;
    }
    dbcount = header.left(space);

    bool digitsOnly = !dbcount.isEmpty();
    for (const QChar c : std::as_const(dbcount))
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool ok = false;
    const int count = dbcount.toInt(&ok);
    if (!digitsOnly || !ok || count < bankrule::kMinRecords || count > bankrule::kMaxRecords) {
        fail(bankrule::headerCount(dbcount));
        return false;
    }
    m_count = count;
    m_inRecord = false;
    return true;
}

void BankReader::readq()
{
    if (dbeof == 1)
        return;
    for (;;) {
        if (!readLine())
            return;
        // The line is in m_line now; atEnd may refill the source's buffer.
        const bool last = m_source.atEnd();
        const bool recordEnds = m_line.empty();
        if (!recordEnds) {
            take();
        } else {
            if (m_observer)
                m_observer(m_lineNumber, LineKind::Empty, m_inRecord);
            m_inRecord = false;
        }
        if (last)
            reachEnd();
        if (recordEnds || last)
            return;
    }
}

bool BankReader::readLine()
{
    QByteArrayView raw;
    const LineSource::Status status = m_source.readLine(raw);
    m_lineNumber = m_source.lineNumber();
    switch (status) {
    case LineSource::Status::Line: m_line.assign(raw.data(), static_cast<size_t>(raw.size())); return true;
    case LineSource::Status::TooLong: fail(bankrule::lineTooLong(m_lineNumber, LineSource::kMaxLineBytes)); break;
    case LineSource::Status::ReadError: fail(bankrule::lineUnreadable(m_lineNumber, m_source.errorString())); break;
    }
    reachEnd();
    return false;
}

void BankReader::take()
{
    // The markers are plain ASCII, the same bytes in every encoding a bank
    // may use, so lines are classified before they are decoded.
    const std::string& line = m_line;
    if (line.size() >= 2 && line[0] == 'Q' && line[1] == '.') {
        if (m_observer)
            m_observer(m_lineNumber, LineKind::RecordStart, m_inRecord);
        ++recno;
        // A record still open here runs into this one: this read takes both
        // and keeps only this one, so the one before can never be asked.
        if (!m_inRecord)
            m_ranOn.reset();
        else if (!m_ranOn)
            m_ranOn = bankrule::ranOn(m_lineNumber, recno);
        m_letteredLine = 0;
        m_inRecord = true;
        m_curqLine = m_lineNumber;
        m_hasRecordLine = true;
        m_recordLine.assign(line);
        m_text.clear();
        for (std::string& answer : m_answer)
            answer.clear();
        return;
    }
    const bool answer = line.size() >= 2 && line[1] == '.' && line[0] >= '1' && line[0] <= '4';
    if (m_observer)
        m_observer(m_lineNumber, answer ? LineKind::Answer : LineKind::Text, m_inRecord);
    if (answer) {
        m_answer.at(static_cast<size_t>(line[0] - '1')).assign(line);
        return;
    }
    if (m_letteredLine == 0 && bankrule::looksLettered(QByteArrayView(line.data(), std::ssize(line))))
        m_letteredLine = m_lineNumber;
    m_text.assign(line);
}

QString BankReader::dbline() const
{
    return decodeBankLine(QByteArray::fromRawData(m_line.data(), static_cast<qsizetype>(m_line.size())));
}

namespace {

QString decoded(const std::string& raw)
{
    return decodeBankLine(QByteArray::fromRawData(raw.data(), static_cast<qsizetype>(raw.size())));
}

// The fields of a record line: everything after "Q." split at "/" into tag1,
// tag2, correct and picture. Fields the line lacks keep their cleared values.
struct RecordFields {
    QString tag1 = QStringLiteral("0");
    QString tag2 = QStringLiteral("0");
    QString correct = QStringLiteral("0");
    QString picture;
    bool complete = false; // at least two "/"
};

RecordFields splitRecordLine(const QString& line)
{
    RecordFields fields;
    QString rest = line.mid(2);
    qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        fields.tag1 = rest;
        return fields;
    }
    fields.tag1 = rest.left(slash);
    rest = rest.mid(slash + 1);
    slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        fields.tag2 = rest;
        return fields;
    }
    fields.tag2 = rest.left(slash);
    rest = rest.mid(slash + 1);
    fields.complete = true;
    slash = rest.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        fields.correct = rest.left(slash);
        fields.picture = rest.mid(slash + 1);
    } else {
        fields.correct = rest;
    }
    return fields;
}

} // namespace

QRecord BankReader::curq() const
{
    QRecord record;
    if (m_hasRecordLine) {
        RecordFields fields = splitRecordLine(decoded(m_recordLine));
        record.tag1 = std::move(fields.tag1);
        record.tag2 = std::move(fields.tag2);
        record.correct = std::move(fields.correct);
        record.picture = std::move(fields.picture);
    }
    record.text = decoded(m_text);
    for (size_t i = 0; i < m_answer.size(); ++i) {
        if (!m_answer.at(i).empty())
            record.answer.at(i) = answerText(decoded(m_answer.at(i)));
    }
    return record;
}

namespace {

// The number a right-answer field names, 1 to 4, or 0. The field's bytes are
// plain digits in every sound bank, read here without decoding; anything else
// is decoded and read the way the answer check reads it.
int rightAnswer(std::string_view field)
{
    if (!field.empty() && field.size() <= 8
        && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        int n = 0;
        for (const char c : field)
            n = n * 10 + (c - '0');
        return n >= 1 && n <= 4 ? n : 0;
    }
    return correctNumber(decoded(std::string(field)));
}

} // namespace

bool BankReader::answerEmpty(int number) const
{
    const std::string& line = m_answer.at(static_cast<size_t>(number - 1));
    if (line.size() <= 3)
        return true;
    // A third character outside plain ASCII may be one that is skipped whole.
    if (static_cast<unsigned char>(line[2]) < 0x80)
        return false;
    return answerText(decoded(line)).isEmpty();
}

bool BankReader::hasLetteredAnswers() const
{
    return m_letteredLine > 0
        && std::all_of(m_answer.begin(), m_answer.end(), [](const std::string& a) { return a.empty(); });
}

std::vector<BankError> BankReader::recordFaults() const
{
    std::vector<BankError> faults;
    if (!m_hasRecordLine)
        return faults;
    if (m_ranOn)
        faults.push_back(*m_ranOn);

    // "/" is the same byte in every encoding a bank may use, so the fields are
    // found in the line's bytes.
    const std::string_view rest = std::string_view(m_recordLine).substr(2);
    const size_t first = rest.find('/');
    const size_t second = first == std::string_view::npos ? first : rest.find('/', first + 1);
    if (second == std::string_view::npos) {
        faults.push_back(bankrule::tooFewSlashes(m_curqLine, recno));
        return faults;
    }
    if (hasLetteredAnswers()) {
        faults.push_back(bankrule::letteredAnswers(m_letteredLine, recno));
        return faults;
    }
    std::string_view field = rest.substr(second + 1);
    field = field.substr(0, field.find('/'));
    const int right = rightAnswer(field);
    if (right == 0)
        faults.push_back(bankrule::rightAnswerNotOneToFour(m_curqLine, recno, decoded(std::string(field))));
    else if (answerEmpty(right))
        faults.push_back(bankrule::rightAnswerEmpty(m_curqLine, recno, right));
    return faults;
}

std::optional<BankError> BankReader::recordFault() const
{
    std::vector<BankError> faults = recordFaults();
    if (faults.empty())
        return std::nullopt;
    return std::move(faults.front());
}

void BankReader::readRecords(const std::function<bool()>& visit)
{
    while (dbeof == 0) {
        const int before = recno;
        readq();
        if (failed())
            return;
        if (recno != before && !visit())
            return;
    }
}

void BankReader::close()
{
    m_source.close();
}

void BankReader::fail(const BankError& error)
{
    if (!failed())
        m_error = error;
    reachEnd();
}

void BankReader::reachEnd()
{
    dbeof = 1;
    close();
}

int correctNumber(const QString& correct)
{
    const QString trimmed = correct.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 8)
        return 0;
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    const int n = trimmed.toInt();
    return n >= 1 && n <= 4 ? n : 0;
}

bool readBankRecords(const QString& bankPath, std::vector<QRecord>* records, BankError* error, QString* header)
{
    records->clear();
    BankReader reader;
    if (!reader.openPath(bankPath)) {
        *error = reader.error();
        return false;
    }
    if (header != nullptr) {
        const QString line = reader.dbline();
        *header = line.mid(line.indexOf(QLatin1Char(' ')) + 1).trimmed();
    }
    const int count = reader.count();
    std::optional<BankError> fault;
    reader.recno = 0;
    reader.readRecords([&] {
        fault = reader.recordFault();
        if (fault)
            return false;
        if (reader.recno <= count)
            records->push_back(reader.curq());
        return true;
    });
    if (fault)
        *error = *fault;
    else if (reader.failed())
        *error = reader.error();
    else if (static_cast<int>(records->size()) < count)
        *error = bankrule::endsEarly(static_cast<int>(records->size()), count);
    else
        return true;
    records->clear();
    return false;
}

} // namespace veltrin
