// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt Multimedia sound device as a module of its own, loaded by the program
// when it first needs sound (see LazyWavePlayer).

#include "sound/QtWavePlayer.h"

extern "C" Q_DECL_EXPORT veltrin::WavePlayer* veltrinCreateWavePlayer()
{
    veltrin::QtWavePlayer::quietBackendWarnings();
    return new veltrin::QtWavePlayer();
}
