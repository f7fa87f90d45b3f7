// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>

namespace veltrin {

// Seconds in one day; a time of day lies in [0, kSecondsPerDay).
inline constexpr float kSecondsPerDay = 86400.0F;

// The time of day as the program uses it everywhere: single-precision seconds
// since local midnight, fraction included.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float timeOfDay() const = 0;
};

// Seconds from `earlier` to `later`, two times of day. A later time that reads
// smaller than the earlier one lies after midnight, so a day is added: an exam
// begun at 23:59 has run two minutes at 00:01, not minus a day.
float secondsBetween(float earlier, float later);

// The real clock. It reads the local time of day once, when it is made, and
// counts on from there with a monotonic timer: seconds since local midnight as
// the day began for this run, so that a daylight-saving change or a correction
// of the system clock during an exam neither ends it early nor stretches it.
class SystemClock final : public Clock {
public:
    SystemClock();
    float timeOfDay() const override;

private:
    double m_startSeconds = 0;
    QElapsedTimer m_sinceStart;
};

} // namespace veltrin
