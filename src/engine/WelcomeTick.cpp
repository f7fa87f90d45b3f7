// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/WelcomeTick.h"

#include "platform/Clock.h"

#include <cmath>

namespace veltrin {

double roundedRemainder(double a, double b)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const auto dividend = static_cast<long long>(std::nearbyint(a));
    const auto divisor = static_cast<long long>(std::nearbyint(b));
    return static_cast<double>(dividend % divisor);
}

std::optional<CarStep> carStep(double left, double top, double width, double height, bool flipsw)
{
    if (std::nearbyint(width) == 0.0 || std::nearbyint(height) == 0.0)
        return std::nullopt;
    CarStep step;
    step.left = roundedRemainder(left + kCarStepTwips, width);
    step.top = roundedRemainder(top + height, height);
    step.frameA = flipsw;
    step.flipsw = !flipsw;
    return step;
}

bool selfAdvanceDue(bool switch1, float now, float loadtime)
{
    return !switch1 && secondsBetween(loadtime, now) > kSelfAdvanceSeconds;
}

} // namespace veltrin
