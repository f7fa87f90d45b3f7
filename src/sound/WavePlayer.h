// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace veltrin {

// The one sound device of the program: at most one wave file open at a time.
// Nothing it does is reported back: a file that is missing or cannot be played,
// or a machine without sound, gives silence and the program carries on.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Opens the named file and returns once it is open (or has failed to open).
    virtual void open(const QString& path) = 0;
    // Moves to the start of the sound.
    virtual void rewind() = 0;
    // Starts playing and returns at once; the sound plays on in the background
    // until it ends or the device is closed.
    virtual void play() = 0;
    // Stops a sound still playing and closes the device; harmless when closed.
    virtual void close() = 0;
};

} // namespace veltrin
