// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "sound/Sound.h"

#include <QString>
#include <QStringList>

namespace veltrin::test {

// A sound device that writes down what it is told: "Play skid1.wav" (the
// cue's wave file), "Stop".
class RecordingSound final : public Sound {
public:
    void play(Cue cue) override;
    void stop() override { commands << QStringLiteral("Stop"); }

    // The wave files played, in order ("skid1.wav").
    QStringList played() const;
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
