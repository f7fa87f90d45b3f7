// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/Sound.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace veltrin {

// The sound device whose real player is made only when the program's event
// loop first runs. Loading the audio back end and connecting to the sound
// server takes a few milliseconds, and the welcome window asks for its engine
// sound before it shows itself: this way the window appears first and the
// sound starts on the next turn of the event loop, a moment later. A cue asked
// for before then waits (a later one replaces it, stop() drops it); once the
// real player exists, every call goes straight to it.
class LazySound final : public QObject, public Sound {
    Q_OBJECT

public:
    // Makes the real player; a null one means no sound on this machine.
    using Factory = std::function<std::unique_ptr<Sound>()>;

    explicit LazySound(Factory factory);
    ~LazySound() override;

    void play(Cue cue) override;
    void stop() override;

    // Makes the real player now and plays what waits (tests; shutdown).
    void start();

private:
    Factory m_factory;
    std::unique_ptr<Sound> m_player;
    bool m_started = false;
    bool m_scheduled = false;
    std::optional<Cue> m_waiting;
};

} // namespace veltrin
