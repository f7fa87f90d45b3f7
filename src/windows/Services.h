// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/BankLocation.h"
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
    // The FILE of --bank, or empty for the program folder's own bank.
    QString bankFile = {};
    // The language of the texts, the bank and the guide.
    Language language = Language::English;

    // The bank the exam reads, and the folder its pictures are looked up
    // from (findBankPicture), as locateBank finds them now.
    BankLocation bank() const;
};

} // namespace veltrin
