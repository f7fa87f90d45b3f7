// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/WavePlayer.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace veltrin {

// A sound device whose real player is made only when the program's event loop
// first runs. Loading the audio back end and connecting to the sound server
// takes a few milliseconds, and the welcome window asks for its engine sound
// before it shows itself: this way the window appears first and the sound
// starts on the next turn of the event loop, a moment later. Commands given
// before then are kept and replayed in order; once the real player exists,
// every command goes straight to it.
class LazyWavePlayer final : public QObject, public WavePlayer {
    Q_OBJECT

public:
    // Makes the real player; a null one means no sound on this machine.
    using Factory = std::function<std::unique_ptr<WavePlayer>()>;

    explicit LazyWavePlayer(Factory factory);
    ~LazyWavePlayer() override;

    void open(const QString& path) override;
    void rewind() override;
    void play() override;
    void close() override;

    // Makes the real player now and replays what waits (tests; shutdown).
    void start();

private:
    struct Pending {
        QString path;
        bool rewound = false;
        bool playing = false;
    };

    // Gives a command to the real player once it exists; false before then.
    bool forward(void (WavePlayer::*command)());

    Factory m_factory;
    std::unique_ptr<WavePlayer> m_player;
    bool m_started = false;
    bool m_scheduled = false;
    std::optional<Pending> m_pending;
};

} // namespace veltrin
