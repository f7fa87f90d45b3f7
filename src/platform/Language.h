// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace veltrin {

// The languages the program's texts and question banks come in.
enum class Language { English, Spanish };

// The language to show: the one --lang names when we have it; otherwise the
// first of the user's interface languages (QLocale::system().uiLanguages(),
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that we have; English when
// none is. `unknown` tells whether --lang named a language we do not have.
Language chooseLanguage(const QStringList& uiLanguages, const QString& forced, bool* unknown = nullptr);

// "en" or "es".
QString languageCode(Language language);

// The program folder's bank for a language, as a name after the folder:
// "\veltrin.dll" for English, "\es\veltrin.dll" for Spanish. The pictures are
// the same for both, in the program folder.
QString bankName(Language language);

// The user guide's page for a language, relative to the program folder.
QString guidePage(Language language);

} // namespace veltrin
