// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Language.h"

#include <QString>

namespace veltrin {

// Who made the program, how it may be reused and where to read more: the
// about window shows these, in the language of the program's texts. The
// version and the credits come from the build (Version.h). While the project
// has no web site of its own, the link opens the user guide that ships in the
// program folder; a real address replaces the guide's here and nowhere else.
namespace about {

QString productTitle();
// The copyright line with its years and the licences, short enough for its
// label; licence() says the same in words (its tooltip, for screen readers).
QString copyrightLine();
QString licence();
QString author();
QString contact();

// The address the link opens: the user guide in the program folder, in the
// language given.
QString webAddress(const QString& programFolder, Language language = Language::English);
// The link's text: the address without the final "/" of a site address.
QString linkText(const QString& address);

} // namespace about

} // namespace veltrin
