// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ExamSession.h"
#include "sound/SoundCues.h"
#include "timing/Tick.h"

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
// and carries what lasts that long: the one timer, the one sound device and
// the exam session, which its tick feeds with the time.
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
    explicit frmWelcome(Services& services);
    ~frmWelcome() override;
    frmWelcome(const frmWelcome&) = delete;
    frmWelcome& operator=(const frmWelcome&) = delete;

    // The load step: engine-start sound, Exit placed, load time stamped, the
    // self-advance armed, the window shown.
    void Form_Load();

    ExamSession& session() { return m_session; }

    // The exam window while it is loaded, else null.
    frmDrive1* drive() const;

    // Handlers.
    void cmdContinue_Click();
    void cmdAbout_Click();
    void cmdExit_Click();
    void Timer1_Timer();

    QTimer Timer1;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdContinue = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* imgCar = nullptr;
    QLabel* Image1 = nullptr;
    QPixmap imgCar1; // frame A
    QPixmap imgCar2; // frame B, with speed lines

    // The car's place in twips, as the tick moves it.
    double carLeft() const { return m_carLeft; }
    double carTop() const { return m_carTop; }
    bool carShowsFrameA() const { return m_carFrameA; }

    float loadtime = 0.0F; // time of day stamped by the load
    int soundsw = 0;       // 0 while the engine-start sound is still open
    qint16 switch1 = 0;    // 1 once Continue, the self-advance or About has been used

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void Form_Resize();
    void moveCar();
    // Continue's actions, shared with the tick's self-advance.
    void openExamWindow();

    Services& m_services;
    SoundCues m_MMControl1;
    ExamSession m_session;
    QPointer<frmDrive1> m_drive;
    double m_carLeft = 0;
    double m_carTop = 0;
    bool m_carFrameA = true;
    bool flipsw = false;
};

} // namespace veltrin
