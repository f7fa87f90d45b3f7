// Plays one cue through the real sound device and closes it after a while:
//
//   play_cue FOLDER CUE MILLISECONDS
//
// For the test that listens to the device's output.

#include "sound/QtWavePlayer.h"
#include "sound/SoundCues.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 64;
    veltrin::QtWavePlayer player;
    veltrin::SoundCues cues(player, QString::fromLocal8Bit(argv[1]));
    cues.playwav(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(QString::fromLocal8Bit(argv[3]).toInt(), &app, [&] {
        cues.closewav();
        QTimer::singleShot(200, &app, &QCoreApplication::quit);
    });
    return QCoreApplication::exec();
}
