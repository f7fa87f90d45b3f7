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
inline const QString kCopyright = QLatin1String(version::kCopyright);
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
