// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BankLocation.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace veltrin {

namespace {

const QString kSpanishFolder = QStringLiteral("es");

bool isReadableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

} // namespace

BankLocation locateBank(const QString& programFolder, Language language, const QString& bankOption)
{
    if (bankOption.isEmpty()) {
        BankLocation english {programPath(programFolder, bankName(Language::English)), programFolder};
        if (language == Language::English)
            return english;
        const QString spanish = programPath(programFolder, bankName(Language::Spanish));
        if (!isReadableFile(spanish))
            return english;
        return {spanish, QFileInfo(spanish).absolutePath()};
    }
    const QFileInfo given(bankOption);
    if (language == Language::Spanish) {
        const QString spanish = given.dir().filePath(kSpanishFolder + QLatin1Char('/') + given.fileName());
        if (isReadableFile(spanish))
            return {spanish, QFileInfo(spanish).absolutePath()};
    }
    return {bankOption, given.absolutePath()};
}

QStringList pictureFolders(const QString& bankFolder)
{
    QStringList folders {bankFolder};
    QDir dir(bankFolder);
    if (dir.dirName() == kSpanishFolder && dir.cdUp())
        folders << dir.path();
    return folders;
}

QString findBankPicture(const QString& bankFolder, const QString& name)
{
    for (const QString& folder : pictureFolders(bankFolder)) {
        QString path = findProgramFile(folder, name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace veltrin
