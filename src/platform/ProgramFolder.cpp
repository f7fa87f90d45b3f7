// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace veltrin {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString programPath(const QString& folder, const QString& backslashName)
{
    // Only the name is converted: a backslash in the folder's own name is a
    // character of that name outside Windows.
    QString name = backslashName;
#ifndef Q_OS_WIN
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return folder + name;
}

QString findProgramFile(const QString& folder, const QString& relativeName)
{
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // A NUL can be in a bank's text but never in a file name. The name is
    // joined to the folder with a separator of its own, so one leading
    // separator ("\stop.png") still names a file in the folder; two ("\\host")
    // name a network share, and a drive letter ("C:") another disk.
    const bool driveLetter = name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter();
    if (name.isEmpty() || name.startsWith(QLatin1String("//")) || driveLetter || name.contains(QChar(u'\0')))
        return {};
    // ".." steps back out of a folder the name went into; one that would climb
    // out of the program folder finds nothing.
    QStringList parts;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (parts.isEmpty())
                return {};
            parts.removeLast();
            continue;
        }
        parts << part;
    }
    if (parts.isEmpty())
        return {};

    QDir dir(folder);
    QString path;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        const bool last = i == parts.size() - 1;
        QString found;
        if (QFileInfo::exists(dir.filePath(part))) {
            found = part;
        } else {
            const QDir::Filters filter = last ? QDir::Files : QDir::Dirs;
            const QStringList entries = dir.entryList(filter | QDir::Hidden | QDir::System);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        if (found.isEmpty())
            return {};
        path = dir.filePath(found);
        if (!last && !dir.cd(found))
            return {};
    }
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace veltrin
