// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Fakes.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace veltrin::test {

float ScriptedRandom::next()
{
    const float r = taken < m_numbers.size() ? m_numbers[taken] : m_numbers.empty() ? 0.0F : m_numbers.back();
    ++taken;
    return r;
}

void ScriptedRandom::append(const std::vector<float>& numbers)
{
    m_numbers.insert(m_numbers.end(), numbers.begin(), numbers.end());
}

std::vector<float> shuffleTo(int n, const std::vector<int>& wanted)
{
    // Build the whole target arrangement: the wanted numbers first, the rest
    // after them; then run the shuffle backwards from position n, choosing at
    // each step the r that brings the target's number into position i.
    std::vector<int> target(static_cast<size_t>(n) + 1, 0);
    std::vector<bool> used(static_cast<size_t>(n) + 1, false);
    size_t pos = 1;
    for (const int w : wanted) {
        if (w < 1 || w > n || used[w])
            throw std::invalid_argument("wanted numbers must be distinct and within 1..n");
        target[pos++] = w;
        used[w] = true;
    }
    for (int v = 1; v <= n; ++v) {
        if (!used[v])
            target[pos++] = v;
    }

    std::vector<int> deck(static_cast<size_t>(n) + 1);
    std::iota(deck.begin(), deck.end(), 0);
    std::vector<float> numbers;
    for (int i = n; i >= 2; --i) {
        const auto it = std::find(deck.begin() + 1, deck.begin() + i + 1, target[i]);
        const int j = static_cast<int>(it - deck.begin());
        // The middle of the interval that floor(r * i) + 1 maps to j.
        numbers.push_back((static_cast<float>(j) - 0.5F) / static_cast<float>(i));
        std::swap(deck[i], deck[j]);
    }
    return numbers;
}

} // namespace veltrin::test
