// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace veltrin::fuzz {

QString programFolder()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

void writeBank(const uint8_t* data, size_t size)
{
    QFile file(programFolder() + QStringLiteral("/veltrin.dll"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

float InputRandom::next()
{
    if (m_size == 0)
        return 0.0F;
    // Three bytes of the input at a time, scaled below 1.
    uint32_t bits = 0;
    for (int i = 0; i < 3; ++i)
        bits = (bits << 8U) | m_data[(m_pos++) % m_size];
    return static_cast<float>(bits) / 16777216.0F;
}

} // namespace veltrin::fuzz
