// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "sound/WavePlayer.h"

#include <QString>
#include <QStringList>

namespace veltrin::test {

// A sound device that writes down what it is told: "Open <path>", "Prev",
// "Play", "Close".
class RecordingPlayer final : public WavePlayer {
public:
    void open(const QString& path) override { commands << QStringLiteral("Open ") + path; }
    void rewind() override { commands << QStringLiteral("Prev"); }
    void play() override { commands << QStringLiteral("Play"); }
    void close() override { commands << QStringLiteral("Close"); }

    // The file names opened, in order ("skid1.wav").
    QStringList opened() const;
    int count(const QString& command) const { return static_cast<int>(commands.count(command)); }

    QStringList commands;
};

// A message box that keeps what it said and is dismissed as soon as the event
// loop next runs, as if the user pressed OK at once.
class RecordingMessageBox final : public MessageBox {
public:
    void information(
        QWidget* owner, const QString& text, const QString& detail, std::function<void()> dismissed) override;
    QStringList texts;
    QStringList details;
};

// A shell that keeps the addresses it was asked to open, and says it opened
// them unless a test makes it refuse, as a desktop without a browser does.
class RecordingShell final : public Shell {
public:
    bool openAddress(const QString& address) override
    {
        opened << address;
        return !refuses;
    }
    QStringList opened;
    bool refuses = false;
};

} // namespace veltrin::test
