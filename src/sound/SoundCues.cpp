// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundCues.h"

#include "platform/ProgramFolder.h"
#include "sound/WavePlayer.h"

#include <utility>

namespace veltrin {

SoundCues::SoundCues(WavePlayer& player, QString folder)
    : m_player(player)
    , m_folder(std::move(folder))
{ }

void SoundCues::playwav(const QString& cue)
{
    m_player.open(programPath(m_folder, cue));
    m_player.rewind();
    m_player.play();
}

void SoundCues::closewav()
{
    m_player.close();
}

} // namespace veltrin
