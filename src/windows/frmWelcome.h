// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ExamSession.h"

#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace veltrin {

class frmDrive1;
struct Services;

// The welcome window: the start-up window, which fills the screen with the
// title, a street scene and a red car driving across, and offers Continue,
// About and Exit. It stays loaded under the other windows for the whole run
// and carries what lasts that long: the one timer, whose tick moves the car,
// opens the exam window by itself and feeds the exam session's clock.
//
//   Label2       the title "Veltrin's Test"
//   Image1       the street scene
//   imgCar       the moving car; imgCar1 and imgCar2 hold its two frames
//   cmdContinue  Continue           cmdAbout  About        cmdExit  Exit
//   Timer1       the tick, every 200 ms
//   MMControl1   the sound device (every cue of the program plays on it)
class frmWelcome final : public QWidget {
    Q_OBJECT

public:
    // The exam session lives as long as the program: the welcome window's
    // tick feeds its clock, and each exam window runs one exam of it.
    frmWelcome(Services& services, ExamSession& session);
    ~frmWelcome() override;
    frmWelcome(const frmWelcome&) = delete;
    frmWelcome& operator=(const frmWelcome&) = delete;

    // The load step: engine-start sound, Exit placed, load time stamped, the
    // self-advance armed, the window shown.
    void Form_Load();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Timer1_Timer();

private:
    // Handlers.
    void cmdContinue_Click();
    void cmdAbout_Click();
    void cmdExit_Click();

    void createControls();
    void Form_Resize();
    void moveCar();
    // Continue's actions, shared with the tick's self-advance.
    void openExamWindow();

    Services& m_services;
    ExamSession& m_session;
    QPointer<frmDrive1> m_drive;
    double m_carLeft = 0; // the car's place in twips, as the tick moves it
    double m_carTop = 0;
    bool flipsw = false;

    QTimer* Timer1 = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdContinue = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* imgCar = nullptr;
    QLabel* Image1 = nullptr;
    QPixmap imgCar1; // frame A
    QPixmap imgCar2; // frame B, with speed lines

    float loadtime = 0.0F; // time of day stamped by the load
    bool soundsw = false;  // the engine-start sound has been closed
    bool switch1 = false;  // Continue, the self-advance or About has been used
};

} // namespace veltrin
