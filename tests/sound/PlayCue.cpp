// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays one cue through the program's sound device, made as the program makes
// it (the sound module loaded on the event loop's first turn), and closes it
// after a while:
//
//   play_cue MODULE-FOLDER DATA-FOLDER CUE MILLISECONDS
//
// For the test that listens to the device's output.

#include "sound/LazyWavePlayer.h"
#include "sound/SoundCues.h"
#include "sound/SoundModule.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 64;
    const QString modules = QString::fromLocal8Bit(argv[1]);
    veltrin::LazyWavePlayer player([modules] { return veltrin::loadSoundModule(modules); });
    veltrin::SoundCues cues(player, QString::fromLocal8Bit(argv[2]));
    cues.playwav(QString::fromLocal8Bit(argv[3]));
    QTimer::singleShot(QString::fromLocal8Bit(argv[4]).toInt(), &app, [&] {
        cues.closewav();
        QTimer::singleShot(200, &app, &QCoreApplication::quit);
    });
    return QCoreApplication::exec();
}
