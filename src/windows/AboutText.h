// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Version.h"

#include <QString>

namespace veltrin {

// Who made the program and where to reach them: the about window shows these.
// The version and the credits come from the build (Version.h). While the project has no
// web site of its own, the link opens the user guide that ships in the program
// folder; a real address replaces kGuidePage here and nowhere else.
namespace about {

inline const QString kProductTitle = QStringLiteral("Veltrin's Test (v%1)").arg(QLatin1String(version::kShort));
// The copyright line with its years and the licences, short enough for its
// label; kLicence says the same in words (its tooltip, and for screen readers).
inline const QString kCopyright
    = QStringLiteral("(c) %1 \u00b7 GPL-3.0+ \u00b7 CC BY 4.0").arg(QLatin1String(version::kCopyrightYears));
inline const QString kLicence
    = QStringLiteral("The program is free software under the GNU General Public License, version 3 or later. "
                     "The questions, pictures, sounds and guide are under Creative Commons Attribution 4.0: "
                     "you may reuse and adapt them, giving credit.");
inline const QString kAuthor = QLatin1String(version::kMaker);
inline const QString kContact = QStringLiteral("Contact: see the user guide");
// The user guide page, relative to the program folder.
inline const QString kGuidePage = QStringLiteral("guide/index.html");

// The address the link opens.
QString webAddress(const QString& programFolder);
// The link's text: the address without the final "/" of a site address.
QString linkText(const QString& address);

} // namespace about

} // namespace veltrin
