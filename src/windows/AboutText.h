#pragma once

#include <QString>

namespace veltrin {

// Who made the program and where to reach them, in one place: the about window
// shows these and the version resource carries them. While the project has no
// web site of its own, the link opens the user guide that ships in the program
// folder; a real address replaces kGuidePage here and nowhere else.
namespace about {

inline const QString kProductTitle = QStringLiteral("Veltrin's Test (v1.1)");
inline const QString kCopyright = QStringLiteral("Copyright (c) 2026");
inline const QString kAuthor = QStringLiteral("The Veltrin's Test developers");
inline const QString kContact = QStringLiteral("Contact: see the user guide");
// The user guide page, relative to the program folder.
inline const QString kGuidePage = QStringLiteral("guide/index.html");

// The address the link opens.
QString webAddress(const QString& programFolder);
// The link's text: the address without the final "/" of a site address.
QString linkText(const QString& address);

} // namespace about

} // namespace veltrin
