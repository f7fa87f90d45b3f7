// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// START, from the click to question 1 on the screen, with the real exam window
// (offscreen) on a bank given as the program folder:
//
//   start_click_bench PROGRAM-FOLDER [RUNS]
//
// Prints the median and the largest time over the runs, in milliseconds. Each
// run opens a fresh exam window, as the user does, and draws a fresh exam.

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "sound/WavePlayer.h"
#include "windows/Services.h"
#include "windows/frmDrive1.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace veltrin;

class SilentPlayer final : public WavePlayer {
public:
    void open(const QString&) override { }
    void rewind() override { }
    void play() override { }
    void close() override { }
};

class CountingBox final : public MessageBox {
public:
    void information(QWidget*, const QString&, const QString& detail, std::function<void()>) override
    {
        std::fprintf(stderr, "refused: %s\n", qPrintable(detail));
        std::exit(1);
    }
};

class NoShell final : public Shell {
public:
    void openAddress(const QString&) override { }
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 64;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 30;

    SystemClock clock;
    ClockSeededRandom random(clock);
    SilentPlayer player;
    CountingBox box;
    NoShell shell;
    Services services {clock, random, player, box, shell, QString::fromLocal8Bit(argv[1]), [] {}};
    frmWelcome welcome(services);
    welcome.Timer1.stop();
    welcome.Form_Load();

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        welcome.cmdContinue_Click();
        frmDrive1* drive = welcome.drive();
        drive->repaint();
        QElapsedTimer timer;
        timer.start();
        drive->cmdStart->click();
        drive->repaint(); // question 1 drawn
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (drive->lblQno->text() != QLatin1String("1"))
            return 1;
        drive->cmdExit_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed window goes
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.2f ms, largest %.2f ms over %d runs\n", times[times.size() / 2], times.back(), runs);
    return 0;
}
