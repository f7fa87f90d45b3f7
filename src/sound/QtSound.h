// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Sound.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSink;

namespace veltrin {

// The sound device over Qt Multimedia: a cue's wave file is read whole from
// the program folder when it is played (cues are a few seconds), then played
// from memory through the default audio output. Without an audio output, or
// with a file that is not a wave file Qt can play, it stays silent.
class QtSound final : public Sound {
public:
    explicit QtSound(QString folder);
    ~QtSound() override;
    QtSound(const QtSound&) = delete;
    QtSound& operator=(const QtSound&) = delete;

    void play(Cue cue) override;
    void stop() override;

    // Plays the wave file at `path` (the tests' way in).
    void playFile(const QString& path);
    // Whether a sound is playing or about to.
    bool isSounding() const;

    // Keeps Qt Multimedia's own warnings (no sound server, no device) out of
    // the user's terminal: the program is silent on purpose there.
    static void quietBackendWarnings();

private:
    QString m_folder;
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QBuffer m_buffer;
};

} // namespace veltrin
