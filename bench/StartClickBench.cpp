// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// START, from the click to question 1 on the screen, with the real exam window
// (offscreen) on a bank given as the program folder:
//
//   start_click_bench PROGRAM-FOLDER [RUNS]
//
// Prints the median and the largest time over the runs, in milliseconds. Each
// run opens a fresh exam window, as the user does, and draws a fresh exam.

#include "engine/ExamSession.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "sound/Sound.h"
#include "windows/Services.h"
#include "windows/frmDrive1.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace veltrin;

class Silence final : public Sound {
public:
    void play(Cue) override { }
    void stop() override { }
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
    bool openAddress(const QString&) override { return true; }
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
    Silence sound;
    CountingBox box;
    NoShell shell;
    Services services {clock, random, sound, box, shell, QString::fromLocal8Bit(argv[1]), [] {}};
    ExamSession session(clock, random, services.bank().file);
    frmWelcome welcome(services, session);
    welcome.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    welcome.Form_Load();
    auto* cmdContinue = welcome.findChild<QPushButton*>(QStringLiteral("cmdContinue"));

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        cmdContinue->click();
        auto* drive = welcome.findChild<frmDrive1*>();
        drive->repaint();
        auto* cmdStart = drive->findChild<QPushButton*>(QStringLiteral("cmdStart"));
        QElapsedTimer timer;
        timer.start();
        cmdStart->click();
        drive->repaint(); // question 1 drawn
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (drive->findChild<QLabel*>(QStringLiteral("lblQno"))->text() != QLatin1String("1"))
            return 1;
        drive->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the closed window goes
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.2f ms, largest %.2f ms over %d runs\n", times[times.size() / 2], times.back(), runs);
    return 0;
}
