// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Records answers into a progress store, as a practising program does, for
// the tests that kill a writer or run two at once:
//
//   progress_writer STORE PREFIX COUNT [FOLD-AFTER]
//
// records a right answer to PREFIX1, PREFIX2, ... PREFIXCOUNT (COUNT 0: until
// killed), one store write each, and prints each id once it is written. With
// FOLD-AFTER, the answers are folded that much more often.

#include "engine/ProgressStore.h"

#include <QTextStream>

#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 4 && argc != 5)
        return 2;
    veltrin::ProgressStore store(QString::fromLocal8Bit(argv[1]));
    if (argc == 5)
        store.setFoldAfter(static_cast<int>(std::strtol(argv[4], nullptr, 10)));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const long count = std::strtol(argv[3], nullptr, 10);
    QTextStream out(stdout);
    for (long i = 1; count == 0 || i <= count; ++i) {
        QString note;
        const QString id = prefix + QString::number(i);
        if (!store.record(id, true, &note)) {
            QTextStream(stderr) << note << "\n";
            return 1;
        }
        out << id << Qt::endl;
    }
    return 0;
}
