// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Random.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace veltrin::fuzz {

// The program folder the fuzzers write each input into, as "veltrin.dll".
QString programFolder();
void writeBank(const uint8_t* data, size_t size);

// A random source drawn from the input itself, so that every input replays.
class InputRandom final : public RandomSource {
public:
    InputRandom(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    { }
    void seedFromClock() override { m_pos = 0; }
    float next() override;

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace veltrin::fuzz
