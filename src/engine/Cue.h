// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace veltrin {

// The sounds of the program. The engine decides which one a moment calls for;
// the sound layer knows the wave file behind each.
enum class Cue {
    CarStart, // the welcome window's engine start
    Skid,     // a wrong answer, one of two
    Siren,    // a wrong answer, the other
    Failed,   // the result: failed
    Passed,   // the result: passed
};

} // namespace veltrin
