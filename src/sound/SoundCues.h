// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace veltrin {

class WavePlayer;

// The sound cues of the program, played on the welcome window's one device.
class SoundCues {
public:
    SoundCues(WavePlayer& player, QString folder);

    // Opens the cue ("\skid1.wav") from the program folder, rewinds it and
    // starts it playing in the background.
    void playwav(const QString& cue);
    // Stops and closes the device, cutting short a sound still playing.
    void closewav();

private:
    WavePlayer& m_player;
    QString m_folder;
};

} // namespace veltrin
