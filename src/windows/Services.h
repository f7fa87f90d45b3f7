// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Language.h"

#include <QString>

#include <functional>

namespace veltrin {

class Clock;
class MessageBox;
class RandomSource;
class Shell;
class Sound;

// What the windows need of the platform. main() hands in the real ones; the
// window tests hand in fakes.
struct Services {
    Clock& clock;
    RandomSource& random;
    Sound& sound;
    MessageBox& messageBox;
    Shell& shell;
    QString folder;                   // the program folder: sounds, the guide
    std::function<void()> endProgram; // ends the program at once
    // The question bank and the folder its pictures are in: by default the
    // program folder's "veltrin.dll" and the program folder.
    QString bankFile = {};
    QString pictureFolder = {};
    // The language of the texts, the bank and the guide.
    Language language = Language::English;

    QString bankPath() const;
    QString picturesIn() const { return pictureFolder.isEmpty() ? folder : pictureFolder; }
};

} // namespace veltrin
