// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundModule.h"

#include <QDir>
#include <QLibrary>

#include <cstdio>

namespace veltrin {

std::unique_ptr<Sound> loadSoundModule(const QString& programFolder)
{
    QLibrary module(QDir(programFolder).filePath(QStringLiteral("veltrin-sound")));
    using Create = Sound* (*)(const QString*);
    const auto create = reinterpret_cast<Create>(module.resolve("veltrinCreateSound"));
    if (create == nullptr) {
        // The program runs on in silence; one line says why there is no sound.
        const QString line = QStringLiteral("veltrin: no sound: %1 cannot be loaded: %2\n")
                                 .arg(QDir::toNativeSeparators(module.fileName()), module.errorString());
        std::fputs(line.toLocal8Bit().constData(), stderr);
        return nullptr;
    }
    // The module stays loaded for the life of the program: its player does.
    return std::unique_ptr<Sound>(create(&programFolder));
}

} // namespace veltrin
