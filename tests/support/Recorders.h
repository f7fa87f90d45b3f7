#pragma once

#include "platform/MessageBox.h"
#include "platform/PlatformInfo.h"
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

// A message box that is dismissed at once, keeping what it said.
class RecordingMessageBox final : public MessageBox {
public:
    void information(QWidget* /*owner*/, const QString& text, const QString& detail) override
    {
        texts << text;
        details << detail;
    }
    QStringList texts;
    QStringList details;
};

// A shell that keeps each hand-over as a line of text.
class RecordingShell final : public Shell {
public:
    void execute(QWidget* owner, const QString& operation, const QString& file, const QString& parameters,
        const QString& directory, int showCommand) override;
    void run(const QString& commandLine, int windowStyle) override;
    QStringList calls;
};

class FixedPlatform final : public PlatformInfo {
public:
    explicit FixedPlatform(int id = kPlatformOther)
        : id(id)
    { }
    int platformId() const override { return id; }
    int id;
};

} // namespace veltrin::test
