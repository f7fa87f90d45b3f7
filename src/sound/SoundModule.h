// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/WavePlayer.h"

#include <QString>

#include <memory>

namespace veltrin {

// Loads the sound module from the program folder and makes its player; null
// when the module is missing or cannot be loaded (no sound then).
std::unique_ptr<WavePlayer> loadSoundModule(const QString& programFolder);

} // namespace veltrin
