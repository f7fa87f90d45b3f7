// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The anchor for the start-up and memory figures: the smallest Qt Widgets
// program that shows a window, built in the same tree with the same flags.
//
//   minimal_window             a 400 x 200 window
//   minimal_window maximized   the same window maximized, as the program's are

#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("A minimal Qt Widgets window"));
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(400, 200);
    if (argc > 1 && QByteArray(argv[1]) == "maximized") {
        // As the program's windows do, so that it fills the screen with or
        // without a window manager.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
    } else
        window.show();
    return QApplication::exec();
}
