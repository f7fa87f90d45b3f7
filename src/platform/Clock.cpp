// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Clock.h"

#include <QTime>

#include <cmath>

namespace veltrin {

float secondsBetween(float earlier, float later)
{
    float seconds = later - earlier;
    if (seconds < 0.0F)
        seconds += kSecondsPerDay;
    return seconds;
}

SystemClock::SystemClock()
    : m_startSeconds(QTime::currentTime().msecsSinceStartOfDay() / 1000.0)
{
    m_sinceStart.start();
}

float SystemClock::timeOfDay() const
{
    const double now = m_startSeconds + static_cast<double>(m_sinceStart.nsecsElapsed()) / 1e9;
    return static_cast<float>(std::fmod(now, static_cast<double>(kSecondsPerDay)));
}

} // namespace veltrin
