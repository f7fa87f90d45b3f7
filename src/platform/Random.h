// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace veltrin {

class Clock;

// The program's one pseudo-random source: uniform numbers r with 0 <= r < 1.
// The exam window seeds it from the clock each time it opens; the question
// draw and the choice of a wrong-answer sound both take from it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(const Clock& clock);
    void seedFromClock() override;
    float next() override;

private:
    const Clock& m_clock;
    std::mt19937 m_engine;
    std::uint32_t m_seedings = 0;
};

} // namespace veltrin
