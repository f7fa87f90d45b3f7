// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace veltrin {

namespace {

// The translators live as long as the program's texts use them.
std::unique_ptr<QTranslator>& ours()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& qts()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

bool installTranslations(Language language)
{
    removeTranslations();
    if (language == Language::English)
        return true;
    const QString code = languageCode(language);
    auto program = std::make_unique<QTranslator>();
    const bool loaded = program->load(QStringLiteral(":/i18n/veltrin_%1.qm").arg(code));
    if (loaded) {
        QCoreApplication::installTranslator(program.get());
        ours() = std::move(program);
    }
    // Qt's own texts come from Qt's translations where the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qts() = std::move(qt);
    }
    return loaded;
}

void removeTranslations()
{
    for (std::unique_ptr<QTranslator>* translator : {&ours(), &qts()}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}

} // namespace veltrin
