// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Recorders.h"

#include <QCoreApplication>
#include <QWidget>

namespace veltrin::test {

void RecordingSound::play(Cue cue)
{
    commands << QStringLiteral("Play ") + cueFile(cue).mid(1);
}

QStringList RecordingSound::played() const
{
    QStringList names;
    for (const QString& command : commands) {
        if (command.startsWith(QLatin1String("Play ")))
            names << command.mid(5);
    }
    return names;
}

void RecordingMessageBox::information(
    QWidget* owner, const QString& text, const QString& detail, std::function<void()> dismissed)
{
    texts << text;
    details << detail;
    // Dismissed on the event loop's next turn, unless its owner has gone by
    // then: a real box goes with the window that owns it.
    QObject* context = owner != nullptr ? static_cast<QObject*>(owner) : QCoreApplication::instance();
    QMetaObject::invokeMethod(
        context,
        [dismissed = std::move(dismissed)] {
            if (dismissed)
                dismissed();
        },
        Qt::QueuedConnection);
}

} // namespace veltrin::test
