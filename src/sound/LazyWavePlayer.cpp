// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/LazyWavePlayer.h"

#include <QTimer>

#include <utility>

namespace veltrin {

LazyWavePlayer::LazyWavePlayer(Factory factory)
    : m_factory(std::move(factory))
{ }

LazyWavePlayer::~LazyWavePlayer() = default;

void LazyWavePlayer::open(const QString& path)
{
    if (m_started) {
        if (m_player)
            m_player->open(path);
        return;
    }
    m_pending = Pending {path};
    if (!m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &LazyWavePlayer::start);
    }
}

bool LazyWavePlayer::forward(void (WavePlayer::*command)())
{
    if (!m_started)
        return false;
    if (m_player)
        (m_player.get()->*command)();
    return true;
}

void LazyWavePlayer::rewind()
{
    if (!forward(&WavePlayer::rewind) && m_pending)
        m_pending->rewound = true;
}

void LazyWavePlayer::play()
{
    if (!forward(&WavePlayer::play) && m_pending)
        m_pending->playing = true;
}

void LazyWavePlayer::close()
{
    if (!forward(&WavePlayer::close))
        m_pending.reset();
}

void LazyWavePlayer::start()
{
    if (m_started)
        return;
    m_started = true;
    if (m_factory)
        m_player = m_factory();
    if (!m_player || !m_pending)
        return;
    const Pending pending = *m_pending;
    m_pending.reset();
    m_player->open(pending.path);
    if (pending.rewound)
        m_player->rewind();
    if (pending.playing)
        m_player->play();
}

} // namespace veltrin
