// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clock.h"
#include "platform/Random.h"

#include <cstddef>
#include <vector>

namespace veltrin::test {

// The largest float below 1. Given as every random number of the shuffle it
// makes every swap a self-swap (j = i), so the deck stays in order and
// question q of the exam is record q of the bank.
inline constexpr float kKeepsTheDeckInOrder = 0.99999994F;

// A clock that reads whatever the test sets.
class FakeClock final : public Clock {
public:
    float timeOfDay() const override { return now; }
    float now = 0.0F;
};

// A random source that gives a fixed sequence, then repeats its last number
// (or 0 when the sequence is empty). Seeding counts but changes nothing.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> numbers)
        : m_numbers(std::move(numbers))
    { }

    void seedFromClock() override { ++seedings; }
    float next() override;
    void append(const std::vector<float>& numbers);

    int seedings = 0;
    std::size_t taken = 0;

private:
    std::vector<float> m_numbers;
};

// The random numbers that make the exam's shuffle of 1..n leave `wanted` at the
// front of the deck, in that order (positions 1, 2, ... of the deck).
std::vector<float> shuffleTo(int n, const std::vector<int>& wanted);

} // namespace veltrin::test
