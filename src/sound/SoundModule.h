// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Sound.h"

#include <QString>

#include <memory>

namespace veltrin {

// Loads the sound module from the program folder and makes its player, which
// plays the cues' wave files from that folder; null when the module is missing
// or cannot be loaded (no sound then).
std::unique_ptr<Sound> loadSoundModule(const QString& programFolder);

} // namespace veltrin
