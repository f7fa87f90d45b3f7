// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays one cue through the program's sound device, made as the program makes
// it (the sound module loaded on the event loop's first turn), and closes it
// after a while:
//
//   play_cue MODULE-FOLDER CUE MILLISECONDS
//
// where CUE is the number of a cue (0 the engine start, 1 the skid, 2 the
// siren, 3 failed, 4 passed), played from MODULE-FOLDER as the program folder.
//
// For the test that listens to the device's output.

#include "sound/LazySound.h"
#include "sound/SoundModule.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 64;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    veltrin::LazySound sound([folder] { return veltrin::loadSoundModule(folder); });
    sound.play(static_cast<veltrin::Cue>(QString::fromLocal8Bit(argv[2]).toInt()));
    QTimer::singleShot(QString::fromLocal8Bit(argv[3]).toInt(), &app, [&] {
        sound.stop();
        QTimer::singleShot(200, &app, &QCoreApplication::quit);
    });
    return QCoreApplication::exec();
}
