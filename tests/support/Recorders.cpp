#include "support/Recorders.h"

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

void RecordingShell::execute(QWidget* owner, const QString& operation, const QString& file, const QString& parameters,
    const QString& directory, int showCommand)
{
    calls << QStringLiteral("execute owner=%1 op=%2 file=%3 params=[%4] dir=[%5] show=%6")
                 .arg(owner != nullptr ? QStringLiteral("yes") : QStringLiteral("no"), operation, file, parameters,
                     directory)
                 .arg(showCommand);
}

void RecordingShell::run(const QString& commandLine, int windowStyle)
{
    calls << QStringLiteral("run [%1] style=%2").arg(commandLine).arg(windowStyle);
}

} // namespace veltrin::test
