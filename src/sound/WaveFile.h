// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace veltrin {

// The sound of a RIFF wave file with uncompressed samples, as read from disk.
struct WaveSound {
    enum class Sample { UInt8, Int16, Int32, Float };
    Sample sample = Sample::Int16;
    int channels = 0;
    int sampleRate = 0;
    QByteArray data; // the samples, interleaved, little-endian

    double seconds() const;
};

// Files larger than this are not cues; they are refused rather than read.
inline constexpr qint64 kMaxWaveBytes = 32LL * 1024 * 1024;

// Parses wave file bytes. Anything that is not a well-formed PCM or float wave
// file gives no sound.
std::optional<WaveSound> parseWave(const QByteArray& bytes);
std::optional<WaveSound> readWaveFile(const QString& path);

} // namespace veltrin
