#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace veltrin {

namespace {

void openAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace

void DesktopShell::execute(QWidget* /*owner*/, const QString& operation, const QString& file,
    const QString& /*parameters*/, const QString& /*directory*/, int /*showCommand*/)
{
    if (operation == QLatin1String("open"))
        openAddress(file);
}

void DesktopShell::run(const QString& commandLine, int /*windowStyle*/)
{
#ifdef Q_OS_WIN
    QProcess::startDetached(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), commandLine});
#else
    // "start" is the Windows command that opens a document or address with its
    // program; the desktop's opener does the same here.
    const QString start = QStringLiteral("start ");
    if (commandLine.startsWith(start))
        openAddress(commandLine.mid(start.size()).trimmed());
#endif
}

} // namespace veltrin
