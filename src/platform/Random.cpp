// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Random.h"

#include "platform/Clock.h"

#include <bit>

namespace veltrin {

ClockSeededRandom::ClockSeededRandom(const Clock& clock)
    : m_clock(clock)
{
    seedFromClock();
}

void ClockSeededRandom::seedFromClock()
{
    // Two exam windows opened within the same clock tick still get different
    // sequences: the count of seedings goes into the seed as well.
    const auto timeBits = std::bit_cast<std::uint32_t>(m_clock.timeOfDay());
    std::seed_seq seed {timeBits, ++m_seedings};
    m_engine.seed(seed);
}

namespace {

float uniformFromBits(std::uint32_t bits)
{
    // The top 24 bits scaled by 2^-24: exactly representable, always below 1.
    return static_cast<float>(bits >> 8U) * (1.0F / 16777216.0F);
}

} // namespace

float ClockSeededRandom::next()
{
    return uniformFromBits(static_cast<std::uint32_t>(m_engine()));
}

} // namespace veltrin
