// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/LazySound.h"

#include <QTimer>

#include <utility>

namespace veltrin {

LazySound::LazySound(Factory factory)
    : m_factory(std::move(factory))
{ }

LazySound::~LazySound() = default;

void LazySound::play(Cue cue)
{
    if (m_started) {
        if (m_player)
            m_player->play(cue);
        return;
    }
    m_waiting = cue;
    if (!m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &LazySound::start);
    }
}

void LazySound::stop()
{
    if (!m_started) {
        m_waiting.reset();
        return;
    }
    if (m_player)
        m_player->stop();
}

void LazySound::start()
{
    if (m_started)
        return;
    m_started = true;
    if (m_factory)
        m_player = m_factory();
    if (m_player && m_waiting)
        m_player->play(*std::exchange(m_waiting, std::nullopt));
}

} // namespace veltrin
