// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/WavePlayer.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSink;

namespace veltrin {

// The sound device over Qt Multimedia: the wave file is read whole when it is
// opened (cues are a few seconds), then played from memory through the
// default audio output. Without an audio output, or with a file that is not a
// wave file Qt can play, it stays silent.
class QtWavePlayer final : public WavePlayer {
public:
    QtWavePlayer();
    ~QtWavePlayer() override;
    QtWavePlayer(const QtWavePlayer&) = delete;
    QtWavePlayer& operator=(const QtWavePlayer&) = delete;

    void open(const QString& path) override;
    void rewind() override;
    void play() override;
    void close() override;

    // Keeps Qt Multimedia's own warnings (no sound server, no device) out of
    // the user's terminal: the program is silent on purpose there.
    static void quietBackendWarnings();

private:
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QBuffer m_buffer;
};

} // namespace veltrin
