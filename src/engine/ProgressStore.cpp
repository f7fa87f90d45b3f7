// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ProgressStore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

#include <utility>

namespace veltrin {

namespace {

// The first line of every store; a file without it is not ours.
const QByteArray kMagic = "veltrin-progress 1";

} // namespace

QuestionStanding afterAnswer(QuestionStanding standing, bool right)
{
    ++standing.seen;
    if (right) {
        ++standing.right;
        ++standing.rightInARow;
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

void ProgressStore::load(QString* note)
{
    m_questions.clear();
    QFile file(m_path);
    if (!file.exists())
        return;
    bool sound = file.open(QIODevice::ReadOnly) && file.readLine().trimmed() == kMagic;
    QHash<QString, QuestionStanding> read;
    while (sound && !file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split('|');
        if (fields.size() != 5) {
            sound = false;
            break;
        }
        bool ok[4] = {};
        QuestionStanding standing;
        standing.seen = fields[1].toInt(&ok[0]);
        standing.right = fields[2].toInt(&ok[1]);
        standing.rightInARow = fields[3].toInt(&ok[2]);
        const int open = fields[4].toInt(&ok[3]);
        standing.openMistake = open == 1;
        sound = ok[0] && ok[1] && ok[2] && ok[3] && (open == 0 || open == 1) && !fields[0].isEmpty()
            && standing.seen >= standing.right && standing.right >= 0 && standing.rightInARow >= 0;
        if (sound)
            read.insert(QString::fromUtf8(fields[0]), standing);
    }
    file.close();
    if (sound) {
        m_questions = read;
        return;
    }
    const QString aside = m_path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
    QFile::rename(m_path, aside);
    if (note != nullptr)
        *note = QStringLiteral("the progress file %1 cannot be read; it is kept as %2 and progress starts afresh")
                    .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside));
}

bool ProgressStore::record(const QString& id, bool right, QString* note)
{
    m_questions.insert(id, afterAnswer(m_questions.value(id), right));
    return write(note);
}

bool ProgressStore::write(QString* note)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Written whole to a new file that then takes the old one's place: a
    // program stopped halfway leaves the earlier progress as it was.
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        QByteArray text = kMagic + '\n';
        for (auto it = m_questions.cbegin(); it != m_questions.cend(); ++it) {
            const QuestionStanding& s = it.value();
            text += it.key().toUtf8() + '|' + QByteArray::number(s.seen) + '|' + QByteArray::number(s.right) + '|'
                + QByteArray::number(s.rightInARow) + '|' + (s.openMistake ? "1" : "0") + '\n';
        }
        file.write(text);
        if (file.commit())
            return true;
    }
    if (note != nullptr)
        *note = QStringLiteral("progress is not kept: %1 cannot be written (%2)")
                    .arg(QDir::toNativeSeparators(m_path), file.errorString());
    return false;
}

} // namespace veltrin
