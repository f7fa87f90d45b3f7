// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Language.h"

#include <optional>

namespace veltrin {

namespace {

// "es", "es-US", "es_MX", "spa" are Spanish; "en", "en-GB" English.
std::optional<Language> languageOf(const QString& name)
{
    const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (code == QLatin1String("es") || code == QLatin1String("spa"))
        return Language::Spanish;
    if (code == QLatin1String("en") || code == QLatin1String("eng"))
        return Language::English;
    return std::nullopt;
}

} // namespace

Language chooseLanguage(const QStringList& uiLanguages, const QString& forced, bool* unknown)
{
    if (unknown != nullptr)
        *unknown = false;
    if (!forced.isEmpty()) {
        if (const std::optional<Language> language = languageOf(forced))
            return *language;
        if (unknown != nullptr)
            *unknown = true;
        return Language::English;
    }
    for (const QString& name : uiLanguages) {
        if (const std::optional<Language> language = languageOf(name))
            return *language;
    }
    return Language::English;
}

QString languageCode(Language language)
{
    return language == Language::Spanish ? QStringLiteral("es") : QStringLiteral("en");
}

QString bankName(Language language)
{
    return language == Language::Spanish ? QStringLiteral("\\es\\veltrin.dll") : QStringLiteral("\\veltrin.dll");
}

QString guidePage(Language language)
{
    return language == Language::Spanish ? QStringLiteral("guide/es/index.html") : QStringLiteral("guide/index.html");
}

} // namespace veltrin
