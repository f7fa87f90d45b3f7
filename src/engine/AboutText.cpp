// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/AboutText.h"

#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

#include <string_view>

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
    // The credits come from the build; the translator needs them written out
    // here, and the build stops if the two ever part.
    static constexpr const char* kMaker = QT_TRANSLATE_NOOP("About", "The Veltrin's Test developers");
    static_assert(std::string_view(kMaker) == version::kMaker, "the maker's name is set in CMakeLists.txt");
    return QCoreApplication::translate("About", kMaker);
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
