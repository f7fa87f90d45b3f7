// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/WaveFile.h"

#include <QFile>

#include <cstring>

namespace veltrin {

namespace {

quint32 le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<quint32>(u[0]) | (static_cast<quint32>(u[1]) << 8U) | (static_cast<quint32>(u[2]) << 16U)
        | (static_cast<quint32>(u[3]) << 24U);
}

quint16 le16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return static_cast<quint16>(u[0] | (u[1] << 8U));
}

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;

} // namespace

double WaveSound::seconds() const
{
    int bytesPerSample = 2;
    switch (sample) {
    case Sample::UInt8: bytesPerSample = 1; break;
    case Sample::Int16: bytesPerSample = 2; break;
    case Sample::Int32:
    case Sample::Float: bytesPerSample = 4; break;
    }
    const double frameBytes = static_cast<double>(bytesPerSample) * channels;
    return frameBytes > 0 && sampleRate > 0 ? static_cast<double>(data.size()) / frameBytes / sampleRate : 0.0;
}

std::optional<WaveSound> parseWave(const QByteArray& bytes)
{
    const qsizetype size = bytes.size();
    const char* p = bytes.constData();
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0)
        return std::nullopt;

    std::optional<WaveSound> sound;
    bool haveFormat = false;
    int bits = 0;
    quint16 format = 0;
    WaveSound result;

    qsizetype pos = 12;
    while (pos + 8 <= size) {
        const char* chunk = p + pos;
        const qint64 length = le32(chunk + 4);
        const qsizetype body = pos + 8;
        const qint64 available = size - body;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16 || length > available)
                return std::nullopt;
            format = le16(p + body);
            result.channels = le16(p + body + 2);
            result.sampleRate = static_cast<int>(le32(p + body + 4));
            bits = le16(p + body + 14);
            if (format == kFormatExtensible && length >= 40)
                format = le16(p + body + 24); // the sub-format GUID starts with the format tag
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return std::nullopt;
            // Writers that stream sometimes leave the data length too large:
            // take what is there.
            const qint64 taken = length < available ? length : available;
            result.data = bytes.mid(body, taken);
            sound = result;
            break;
        }
        pos = body + length + (length & 1);
    }
    if (!sound)
        return std::nullopt;

    if (sound->channels < 1 || sound->channels > 8 || sound->sampleRate < 4000 || sound->sampleRate > 384000)
        return std::nullopt;
    if (format == kFormatPcm && bits == 8)
        sound->sample = WaveSound::Sample::UInt8;
    else if (format == kFormatPcm && bits == 16)
        sound->sample = WaveSound::Sample::Int16;
    else if (format == kFormatPcm && bits == 32)
        sound->sample = WaveSound::Sample::Int32;
    else if (format == kFormatFloat && bits == 32)
        sound->sample = WaveSound::Sample::Float;
    else
        return std::nullopt;

    // Whole frames only.
    const int frameBytes = (bits / 8) * sound->channels;
    sound->data.truncate(sound->data.size() - sound->data.size() % frameBytes);
    if (sound->data.isEmpty())
        return std::nullopt;
    return sound;
}

std::optional<WaveSound> readWaveFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxWaveBytes)
        return std::nullopt;
    return parseWave(file.readAll());
}

} // namespace veltrin
