// Veltrin's Test: a timed practice exam on the rules of driving in the United
// States. The program has no main procedure of its own beyond this: it hands
// control to Qt, which loads the welcome window; everything afterwards happens
// in the windows' handlers.

#include "platform/Clock.h"
#include "platform/DesktopShell.h"
#include "platform/PlatformInfo.h"
#include "platform/ProgramFolder.h"
#include "platform/QtMessageBox.h"
#include "platform/Random.h"
#include "sound/QtWavePlayer.h"
#include "windows/Services.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrin"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setDesktopFileName(QStringLiteral("veltrin"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    veltrin::QtWavePlayer::quietBackendWarnings();
    veltrin::SystemClock clock;
    veltrin::ClockSeededRandom random(clock);
    veltrin::QtWavePlayer player;
    veltrin::QtMessageBox messageBox;
    veltrin::DesktopShell shell;
    veltrin::HostPlatformInfo platform;
    veltrin::Services services {clock, random, player, messageBox, shell, platform, veltrin::programFolder(),
        [] { QCoreApplication::exit(0); }};

    veltrin::frmWelcome welcome(services);
    welcome.Form_Load();
    return QApplication::exec();
}
