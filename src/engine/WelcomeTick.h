// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>

namespace veltrin {

// What the welcome window's tick decides: the car's step and the
// self-advance. The exam clock the same tick feeds is the exam session's.

inline constexpr int kTickMilliseconds = 200;
inline constexpr float kSelfAdvanceSeconds = 9.0F;
inline constexpr double kCarStepTwips = 200.0;

// The remainder of a / b the way the welcome window has always taken it: both
// numbers rounded to whole twips first (halves to the even neighbour), the
// result carrying the sign of the dividend. `b` must not round to 0.
double roundedRemainder(double a, double b);

// One step of the welcome window's car, in twips of the client area.
struct CarStep {
    double left = 0;
    double top = 0;
    bool frameA = false; // frame A (plain) or frame B (with speed lines)
    bool flipsw = false; // the toggle for the next tick
};

// The car moves 200 twips right, wrapping at the client width, and keeps its
// top while it lies inside the client height. Frames alternate B, A, B, ...
// A client area with no width or height has no step: the car stays as it is.
std::optional<CarStep> carStep(double left, double top, double width, double height, bool flipsw);

// Whether the welcome window should open the exam window by itself: nobody has
// done so or opened the about window yet, and more than nine seconds have
// passed since it was shown (across midnight too).
bool selfAdvanceDue(bool switch1, float now, float loadtime);

} // namespace veltrin
