// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmWelcome.h"

#include "engine/AboutText.h"
#include "engine/Messages.h"
#include "engine/WelcomeTick.h"
#include "platform/Clock.h"
#include "sound/Sound.h"
#include "windows/CopyR.h"
#include "windows/Look.h"
#include "windows/Services.h"
#include "windows/Twips.h"
#include "windows/frmDrive1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace veltrin {

namespace {

namespace design {
constexpr double kClientWidth = 8190;
constexpr double kClientHeight = 7005;
constexpr TwipsRect cmdAbout {8640, 720, 855, 360};
constexpr TwipsRect cmdContinue {8640, 240, 855, 360};
constexpr TwipsRect cmdExit {120, 240, 975, 360};
constexpr TwipsRect Label2 {2880, 960, 3615, 615};
constexpr TwipsRect imgCar {0, 4920, 3555, 1110};
constexpr TwipsRect Image1 {600, 2040, 8775, 2670};
// Exit keeps this far inside the bottom-right corner.
constexpr double kExitInset = 500;
} // namespace design

} // namespace

frmWelcome::frmWelcome(Services& services, ExamSession& session)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_services(services)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(m_session.isPractice() ? tr("Veltrin's Test – Practice") : tr("Veltrin's Test"));
    setBackground(this, kWhite);
    setFont(sansFont(18));
    resize(twipsToPixels(design::kClientWidth), twipsToPixels(design::kClientHeight));
    createControls();

    // The tick runs from the window's creation to the end of the program.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &frmWelcome::Timer1_Timer);
    Timer1->start();
}

frmWelcome::~frmWelcome() = default;

void frmWelcome::createControls()
{
    cmdAbout = new QPushButton(tr("About"), this);
    cmdAbout->setObjectName(QStringLiteral("cmdAbout"));
    place(cmdAbout, design::cmdAbout);
    cmdAbout->setFont(sansFont(kDefaultPoints));
    connect(cmdAbout, &QPushButton::clicked, this, &frmWelcome::cmdAbout_Click);

    cmdContinue = new QPushButton(tr("Continue"), this);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    place(cmdContinue, design::cmdContinue);
    cmdContinue->setFont(sansFont(kDefaultPoints));
    connect(cmdContinue, &QPushButton::clicked, this, &frmWelcome::cmdContinue_Click);

    cmdExit = new QPushButton(tr("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    place(cmdExit, design::cmdExit);
    cmdExit->setFont(sansFont(kDefaultPoints));
    connect(cmdExit, &QPushButton::clicked, this, &frmWelcome::cmdExit_Click);

    imgCar2 = QPixmap(QStringLiteral(":/assets/car-b.bmp"));
    imgCar1 = QPixmap(QStringLiteral(":/assets/car-a.bmp"));

    Label2 = plainLabel(this, QStringLiteral("Label2"));
    place(Label2, design::Label2);
    Label2->setText(tr("Veltrin's Test"));
    Label2->setFont(sansFont(18, true));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, kTitleRed);
    Label2->setPalette(red);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    place(Image1, design::Image1);
    // Stretched to its box once, here: the box never changes size, and the
    // label then keeps one copy of the picture instead of two.
    Image1->setPixmap(QPixmap(QStringLiteral(":/assets/street.bmp"))
                          .scaled(Image1->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Image1->setAccessibleName(tr("A street with three houses"));

    imgCar = new QLabel(this);
    imgCar->setObjectName(QStringLiteral("imgCar"));
    place(imgCar, design::imgCar);
    imgCar->setPixmap(imgCar1);
    imgCar->setAccessibleName(tr("A red car driving along the street"));
    m_carLeft = design::imgCar.left;
    m_carTop = design::imgCar.top;

    setTabOrder(cmdExit, cmdContinue);
    setTabOrder(cmdContinue, cmdAbout);
}

void frmWelcome::Form_Load()
{
    m_services.sound.play(Cue::CarStart);
    soundsw = false;
    Form_Resize();
    loadtime = m_services.clock.timeOfDay();
    switch1 = false;
    // Borderless and filling the screen; Exit, first in the tab order, has
    // the focus.
    showFillingScreen(this, nullptr);
    cmdExit->setFocus();
}

void frmWelcome::Form_Resize()
{
    keepInsideBottomRight(cmdExit, design::kExitInset);
}

void frmWelcome::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmWelcome::closeEvent(QCloseEvent* event)
{
    // Closing the window from outside (the window manager, Alt+F4) ends the
    // program the way Exit does.
    event->ignore();
    cmdExit_Click();
}

void frmWelcome::Timer1_Timer()
{
    moveCar();

    if (selfAdvanceDue(switch1, m_services.clock.timeOfDay(), loadtime))
        openExamWindow();

    m_session.tick(m_services.clock.timeOfDay());
}

void frmWelcome::moveCar()
{
    const std::optional<CarStep> step
        = carStep(m_carLeft, m_carTop, clientWidthTwips(this), clientHeightTwips(this), flipsw);
    if (!step)
        return;
    m_carLeft = step->left;
    m_carTop = step->top;
    moveTo(imgCar, m_carLeft, m_carTop);
    imgCar->setPixmap(step->frameA ? imgCar1 : imgCar2);
    flipsw = step->flipsw;
}

void frmWelcome::cmdContinue_Click()
{
    openExamWindow();
}

void frmWelcome::openExamWindow()
{
    if (!soundsw) {
        m_services.sound.stop();
        soundsw = true;
    }
    switch1 = true;
    // A window closed a moment ago (Return, then Continue before it has gone)
    // is on its way out: a fresh one takes its place.
    if (!m_drive || !m_drive->isVisible()) {
        // Where the bank is, found afresh for each exam: a bank put in place
        // while the program runs is taken at the next exam.
        const BankLocation bank = m_services.bank();
        m_session.setBankPath(bank.file);
        m_drive = new frmDrive1(this, m_session, m_services.sound, m_services.messageBox, bank.folder);
    }
    m_drive->showExam();
}

void frmWelcome::cmdAbout_Click()
{
    // Once the about window has been opened, the exam window is never opened
    // by itself: the user goes on with Continue.
    switch1 = true;
    auto* about = new CopyR(
        this, m_services.shell, m_services.messageBox, about::webAddress(m_services.folder, m_services.language));
    about->showModal();
}

void frmWelcome::cmdExit_Click()
{
    m_services.sound.stop();
    Timer1->stop();
    hide();
    if (m_services.endProgram)
        m_services.endProgram();
}

} // namespace veltrin
