// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/Sound.h"

namespace veltrin {

QString cueFile(Cue cue)
{
    switch (cue) {
    case Cue::CarStart: return QStringLiteral("\\carstart.wav");
    case Cue::Skid: return QStringLiteral("\\skid1.wav");
    case Cue::Siren: return QStringLiteral("\\siren.wav");
    case Cue::Failed: return QStringLiteral("\\skidbump.wav");
    case Cue::Passed: return QStringLiteral("\\honkyea.wav");
    }
    return {};
}

} // namespace veltrin
