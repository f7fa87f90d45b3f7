// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Cue.h"

#include <QString>

namespace veltrin {

// The program's one sound device: one cue at a time. Nothing it does is
// reported back: a wave file that is missing or cannot be played, or a machine
// without sound, gives silence and the program carries on.
class Sound {
public:
    virtual ~Sound() = default;
    // Starts the cue from its beginning and returns at once; it plays on in
    // the background until it ends, stop() cuts it, or another cue replaces it.
    virtual void play(Cue cue) = 0;
    // Cuts short a cue still playing; harmless when none is.
    virtual void stop() = 0;
};

// The wave file of a cue, as a name in the program folder ("\skid1.wav").
QString cueFile(Cue cue);

} // namespace veltrin
