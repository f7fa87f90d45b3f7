// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt Multimedia sound device as a module of its own, loaded by the program
// when it first needs sound (see LazySound).

#include "sound/QtSound.h"

extern "C" Q_DECL_EXPORT veltrin::Sound* veltrinCreateSound(const QString* folder)
{
    veltrin::QtSound::quietBackendWarnings();
    return new veltrin::QtSound(*folder);
}
