// Veltrin's Test: a timed practice exam on the rules of driving in the United
// States. The program has no main procedure of its own beyond this: it hands
// control to Qt, which loads the welcome window; everything afterwards happens
// in the windows' handlers.

#include "Version.h"
#include "platform/Clock.h"
#include "platform/DesktopShell.h"
#include "platform/PlatformInfo.h"
#include "platform/ProgramFolder.h"
#include "platform/QtMessageBox.h"
#include "platform/Random.h"
#include "sound/LazyWavePlayer.h"
#include "sound/SoundModule.h"
#include "windows/Services.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrin"));
    QApplication::setApplicationVersion(QLatin1String(veltrin::version::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("veltrin"));

    const QString folder = veltrin::programFolder();
    veltrin::SystemClock clock;
    veltrin::ClockSeededRandom random(clock);
    veltrin::LazyWavePlayer player([folder] { return veltrin::loadSoundModule(folder); });
    veltrin::QtMessageBox messageBox;
    veltrin::HostPlatformInfo platform;
    veltrin::DesktopShell shell(platform);
    veltrin::Services services {clock, random, player, messageBox, shell, folder, [] { QCoreApplication::exit(0); }};

    veltrin::frmWelcome welcome(services);
    welcome.Form_Load();
    // The window icon, at its own sizes and twice the larger for screens that
    // scale, is given once the welcome window is up: decoding it is not worth
    // keeping the window waiting for.
    QTimer::singleShot(0, [] {
        QIcon icon;
        for (const int size : {16, 32, 64})
            icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    });
    return QApplication::exec();
}
