// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ProgressStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <climits>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#include <sys/stat.h>
#endif

namespace veltrin {

namespace {

// The first line of every store; a file without it is not ours.
const QByteArray kMagic = "veltrin-progress 1";
// No line of ours is longer (a bank's id has at most 64 KiB, nine bytes
// each at most when encoded); a longer one is not ours.
constexpr qint64 kMaxLine = qint64 {1} << 20;
// How long to wait for another program's turn, and how old a lock must be to
// be taken over when its owner cannot be asked (the owner that died on this
// machine is seen at once).
constexpr int kLockWaitMs = 5000;
constexpr int kStaleLockMs = 10000;

int plusOne(int count)
{
    return count < INT_MAX ? count + 1 : count;
}

// A count as written: digits only, within an int.
bool readCount(const QByteArray& field, int* count)
{
    if (field.isEmpty() || field.size() > 10)
        return false;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return false;
    }
    bool ok = false;
    *count = field.toInt(&ok);
    return ok;
}

// An id as written: letters, digits, "-._~" and "%XX", standing for UTF-8.
bool readId(const QByteArray& field, QString* id)
{
    if (field.isEmpty())
        return false;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isHex = [&](char c) { return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); };
    const auto isPlain = [&](char c) {
        return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '.' || c == '_'
            || c == '~';
    };
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '%' && i + 2 < field.size() && isHex(field[i + 1]) && isHex(field[i + 2]))
            i += 2;
        else if (!isPlain(field[i]))
            return false;
    }
    const QByteArray bytes = QByteArray::fromPercentEncoding(field);
    *id = QString::fromUtf8(bytes);
    return id->toUtf8() == bytes;
}

} // namespace

QuestionStanding afterAnswer(QuestionStanding standing, bool right)
{
    standing.seen = plusOne(standing.seen);
    if (right) {
        standing.right = plusOne(standing.right);
        standing.rightInARow = plusOne(standing.rightInARow);
        if (standing.rightInARow >= 2)
            standing.openMistake = false;
    } else {
        standing.rightInARow = 0;
        standing.openMistake = true;
    }
    return standing;
}

QString ProgressStore::defaultDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/veltrin");
}

QString ProgressStore::pathFor(const QString& dataFolder, const QString& bankPath)
{
    const QString full = QFileInfo(bankPath).absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(full.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(dataFolder).filePath(QStringLiteral("progress/%1.progress").arg(QString::fromLatin1(hash)));
}

ProgressStore::ProgressStore(QString path)
    : m_path(std::move(path))
{ }

namespace {

// Reads a store from its start into `questions`; false when it is damaged or
// not a store. `answerLines` counts the answer lines.
bool readStore(QIODevice& file, QHash<QString, QuestionStanding>* questions, int* answerLines)
{
    questions->clear();
    *answerLines = 0;
    if (file.readLine(kMaxLine) != kMagic + '\n')
        return false;
    while (!file.atEnd()) {
        QByteArray line = file.readLine(kMaxLine);
        if (!line.endsWith('\n'))
            return line.size() < kMaxLine - 1; // the answer being written when its program was killed
        line.chop(1);
        const QList<QByteArray> fields = line.split('|');
        QString id;
        if (!readId(fields[0], &id))
            return false;
        int right = 0;
        if (fields.size() == 2) {
            if (!readCount(fields[1], &right) || right > 1)
                return false;
            questions->insert(id, afterAnswer(questions->value(id), right == 1));
            ++*answerLines;
            continue;
        }
        QuestionStanding standing;
        int open = 0;
        if (fields.size() != 5 || !readCount(fields[1], &standing.seen) || !readCount(fields[2], &standing.right)
            || !readCount(fields[3], &standing.rightInARow) || !readCount(fields[4], &open) || open > 1
            || standing.right > standing.seen || standing.rightInARow > standing.right)
            return false;
        standing.openMistake = open == 1;
        questions->insert(id, standing);
    }
    return true;
}

QByteArray encodedId(const QString& id)
{
    return id.toUtf8().toPercentEncoding();
}

// An exclusive hold on the store file between programs, for as long as it
// lives. On Unix a lock on the open file itself: cheap, and dropped by the
// system when its program dies. Elsewhere a lock file beside the store.
class StoreLock {
public:
    explicit StoreLock(QFile& file)
#ifdef Q_OS_UNIX
        : m_held(::flock(file.handle(), LOCK_EX) == 0)
#else
        : m_lock(file.fileName() + QStringLiteral(".lock"))
#endif
    {
#ifndef Q_OS_UNIX
        m_lock.setStaleLockTime(kStaleLockMs);
        m_held = m_lock.tryLock(kLockWaitMs);
#endif
    }
    bool held() const
    {
        return m_held;
    }

    // Whether `file` is still the store at `path`, and not a file another
    // program has put a new store in the place of since it was opened.
    static bool current(const QFile& file, const QString& path)
    {
#ifdef Q_OS_UNIX
        struct stat open = {};
        struct stat named = {};
        return ::fstat(file.handle(), &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0
            && open.st_ino == named.st_ino && open.st_dev == named.st_dev;
#else
        Q_UNUSED(file)
        return QFileInfo::exists(path);
#endif
    }

private:
#ifdef Q_OS_UNIX
    bool m_held = false;
#else
    QLockFile m_lock;
    bool m_held = false;
#endif
};

} // namespace

ProgressStore::Read ProgressStore::readFile(QHash<QString, QuestionStanding>* questions)
{
    questions->clear();
    QFile file(m_path);
    if (!file.exists())
        return Read::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return Read::Damaged;
    return readStore(file, questions, &m_answerLines) ? Read::Sound : Read::Damaged;
}

bool ProgressStore::setAside(QString* note)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    const bool kept = QFile::rename(m_path, aside);
    if (note != nullptr) {
        *note = kept ? QCoreApplication::translate("ProgressStore",
                    "The practice progress in %1 cannot be read; it is kept as %2 and progress starts afresh.")
                           .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside))
                     : QCoreApplication::translate("ProgressStore",
                         "The practice progress in %1 cannot be read, nor kept aside; progress is not kept.")
                           .arg(QDir::toNativeSeparators(m_path));
    }
    return kept;
}

void ProgressStore::load(QString* note)
{
    m_answerLines = 0;
    if (readFile(&m_questions) == Read::Damaged) {
        m_questions.clear();
        setAside(note);
    }
}

bool ProgressStore::record(const QString& id, bool right, QString* note)
{
    m_questions.insert(id, afterAnswer(m_questions.value(id), right));
    m_unwritten.append({id, right});
    return write(note);
}

bool ProgressStore::cannotWrite(const QString& reason, QString* note)
{
    if (note != nullptr && !m_toldCannotWrite)
        *note = QCoreApplication::translate("ProgressStore", "Progress is not kept: %1 cannot be written (%2).")
                    .arg(QDir::toNativeSeparators(m_path), reason);
    m_toldCannotWrite = true;
    return false;
}

bool ProgressStore::write(QString* note)
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return cannotWrite(QCoreApplication::translate("ProgressStore", "its folder cannot be made"), note);
    // Another program may put a new store in the file's place between its
    // opening and its lock (when it folds the answers or sets a damaged file
    // aside): then the new one is opened.
    for (int attempt = 0; attempt < 100; ++attempt) {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            return cannotWrite(file.errorString(), note);
        const StoreLock lock(file);
        if (!lock.held())
            return cannotWrite(QCoreApplication::translate("ProgressStore", "it cannot be locked"), note);
        if (!StoreLock::current(file, m_path))
            continue;
        switch (appendLocked(file, note)) {
        case Append::Done: return true;
        case Append::Failed: return cannotWrite(file.errorString(), note);
        case Append::Replaced: continue;
        }
    }
    return cannotWrite(QCoreApplication::translate("ProgressStore", "other programs keep replacing it"), note);
}

ProgressStore::Append ProgressStore::appendLocked(QFile& file, QString* note)
{
    const qint64 size = file.size();
    QByteArray lines;
    if (size == 0) {
        lines = kMagic + '\n';
        m_answerLines = 0;
    } else if (file.readLine(kMaxLine) != kMagic + '\n') {
        // Not a store (any more): kept aside while still locked, and a new
        // one begun.
        return setAside(note) ? Append::Replaced : Append::Failed;
    } else {
        // A last line cut short by a program killed while writing it is
        // dropped, so that this answer does not run on from it.
        if (!file.seek(size - 1))
            return Append::Failed;
        qint64 end = size;
        if (file.read(1) != "\n") {
            // Back to the line end before it; the first line has one.
            constexpr qint64 kChunk = 4096;
            qsizetype at = -1;
            while (at < 0 && end > 0) {
                const qint64 from = std::max<qint64>(0, end - kChunk);
                if (!file.seek(from))
                    return Append::Failed;
                at = file.read(end - from).lastIndexOf('\n');
                end = at < 0 ? from : from + at + 1;
            }
            if (at < 0 || !file.resize(end))
                return Append::Failed;
        }
    }
    for (const auto& [id, right] : std::as_const(m_unwritten))
        lines += encodedId(id) + (right ? "|1\n" : "|0\n");
    // One write: another program's lines come before or after it, never in it.
    if (!file.seek(file.size()) || file.write(lines) != lines.size())
        return Append::Failed;
    m_answerLines += static_cast<int>(m_unwritten.size());
    m_unwritten.clear();
    if (m_answerLines > m_foldAfter)
        fold(file); // the answers stay written as they are when folding fails
    return Append::Done;
}

bool ProgressStore::fold(QFile& file)
{
    QHash<QString, QuestionStanding> questions;
    int answerLines = 0;
    if (!file.seek(0) || !readStore(file, &questions, &answerLines))
        return false;
    QByteArray text = kMagic + '\n';
    text.reserve(static_cast<qsizetype>(questions.size()) * 24 + 32);
    for (auto it = questions.cbegin(); it != questions.cend(); ++it) {
        const QuestionStanding& s = it.value();
        text += encodedId(it.key()) + '|' + QByteArray::number(s.seen) + '|' + QByteArray::number(s.right) + '|'
            + QByteArray::number(s.rightInARow) + '|' + (s.openMistake ? "1" : "0") + '\n';
    }
    // Written whole to a new file that then takes the old one's place, while
    // the old one is still locked: a program stopped halfway leaves the
    // earlier progress as it was, and one waiting to append sees the new file.
    QSaveFile folded(m_path);
    if (!folded.open(QIODevice::WriteOnly) || folded.write(text) != text.size() || !folded.commit())
        return false;
    m_answerLines = 0;
    return true;
}

} // namespace veltrin
