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
    QString path = folder + backslashName;
#ifndef Q_OS_WIN
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return path;
}

QString findProgramFile(const QString& folder, const QString& relativeName)
{
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // A NUL can be in a bank's text but never in a file name.
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || QDir::isAbsolutePath(name)
        || name.contains(QChar(u'\0')))
        return {};
    QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty())
        return {};

    QDir dir(folder);
    QString path;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts.at(i);
        if (part == QLatin1String(".."))
            return {};
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
