// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/AboutText.h"

#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace veltrin::about {

QString productTitle()
{
    return QStringLiteral("Veltrin's Test (v%1)").arg(QLatin1String(version::kShort));
}

QString copyrightLine()
{
    return QStringLiteral("(c) %1 \u00b7 GPL-3.0+ \u00b7 CC BY 4.0").arg(QLatin1String(version::kCopyrightYears));
}

QString licence()
{
    return QCoreApplication::translate("About",
        "The program is free software under the GNU General Public License, version 3 or later. "
        "The questions, pictures, sounds and guide are under Creative Commons Attribution 4.0: "
        "you may reuse and adapt them, giving credit.");
}

QString author()
{
    return QLatin1String(version::kMaker);
}

QString contact()
{
    return QCoreApplication::translate("About", "Contact: see the user guide");
}

QString webAddress(const QString& programFolder, Language language)
{
    return QUrl::fromLocalFile(QDir(programFolder).filePath(guidePage(language))).toString();
}

QString linkText(const QString& address)
{
    return address.endsWith(QLatin1Char('/')) ? address.chopped(1) : address;
}

} // namespace veltrin::about
