// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Recorders.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace veltrin::test {

QStringList RecordingPlayer::opened() const
{
    QStringList names;
    for (const QString& command : commands) {
        if (command.startsWith(QLatin1String("Open ")))
            names << QFileInfo(command.mid(5)).fileName();
    }
    return names;
}

void RecordingMessageBox::information(
    QWidget* /*owner*/, const QString& text, const QString& detail, std::function<void()> dismissed)
{
    texts << text;
    details << detail;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [dismissed = std::move(dismissed)] {
            if (dismissed)
                dismissed();
        },
        Qt::QueuedConnection);
}

} // namespace veltrin::test
