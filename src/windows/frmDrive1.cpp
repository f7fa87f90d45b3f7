// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmDrive1.h"

#include "engine/Messages.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "sound/SoundCues.h"
#include "windows/Look.h"
#include "windows/Twips.h"
#include "windows/frmMsg.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include <utility>

namespace veltrin {

namespace {

namespace design {
constexpr double kClientWidth = 9195;
constexpr double kClientHeight = 6225;
constexpr std::array<TwipsRect, 4> cmdAns {
    {{2040, 5280, 375, 375}, {2640, 5280, 375, 375}, {3240, 5280, 375, 375}, {3840, 5280, 375, 375}}};
constexpr TwipsRect txtText1 {120, 240, 6735, 2415};
constexpr TwipsRect cmdStart {2400, 5280, 1215, 375};
constexpr TwipsRect cmdExit {7800, 5520, 1095, 375};
constexpr TwipsRect lblQno {5880, 5640, 735, 255};
constexpr TwipsRect Label2 {5040, 5640, 735, 255};
constexpr TwipsRect Label1 {5160, 6000, 615, 255};
constexpr std::array<TwipsRect, 4> lblAA {
    {{120, 2760, 375, 255}, {120, 3360, 375, 255}, {120, 3960, 375, 255}, {120, 4560, 375, 255}}};
constexpr std::array<TwipsRect, 4> Option1 {
    {{600, 2760, 7335, 495}, {600, 3360, 7335, 495}, {600, 3960, 7335, 495}, {600, 4560, 7335, 495}}};
constexpr TwipsRect imgImage1 {6960, 240, 1935, 1815};
constexpr TwipsRect lblElapsed {5880, 6000, 1335, 375};
// Return keeps this far inside the bottom-right corner.
constexpr double kReturnInset = 500;
} // namespace design

// Pictures larger than this are not question pictures; they are not decoded.
constexpr int kMaxPictureSide = 4096;

const std::array<QString, 4> kLetters {
    QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};

} // namespace

frmDrive1::frmDrive1(QWidget* owner, ExamSession& session, SoundCues& sound, MessageBox& messageBox, QString folder)
    : QWidget(owner,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_session(session)
    , m_sound(sound)
    , m_messageBox(messageBox)
    , m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("frmDrive1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Veltrin's Test"));
    setBackground(this, kLightYellow);
    setFont(sansFont(kDefaultPoints));
    resize(twipsToPixels(design::kClientWidth), twipsToPixels(design::kClientHeight));
    createControls();
    connect(&m_session, &ExamSession::elapsedChanged, lblElapsed, &QLabel::setText);
    connect(&m_session, &ExamSession::timedOut, this, &frmDrive1::getq);
    Form_Load();
}

void frmDrive1::createControls()
{
    // In the design's creation order.
    for (int i = 3; i >= 0; --i) {
        cmdAns.at(i) = new QPushButton(kLetters.at(i), this);
        cmdAns.at(i)->setObjectName(QStringLiteral("cmdAns%1").arg(i));
        place(cmdAns.at(i), design::cmdAns.at(i));
        connect(cmdAns.at(i), &QPushButton::clicked, this, [this, i] { cmdAns_Click(i); });
    }

    txtText1 = new QPlainTextEdit(this);
    txtText1->setObjectName(QStringLiteral("txtText1"));
    place(txtText1, design::txtText1);
    txtText1->setFont(courierFont(9));
    txtText1->setReadOnly(true);
    txtText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtText1->setAccessibleName(tr("Question"));
    txtText1->viewport()->setCursor(Qt::ArrowCursor);

    cmdStart = new QPushButton(tr("Start"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    place(cmdStart, design::cmdStart);
    connect(cmdStart, &QPushButton::clicked, this, &frmDrive1::cmdStart_Click);

    cmdExit = new QPushButton(tr("Return"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    place(cmdExit, design::cmdExit);
    connect(cmdExit, &QPushButton::clicked, this, &frmDrive1::cmdExit_Click);

    lblQno = plainLabel(this, QStringLiteral("lblQno"));
    place(lblQno, design::lblQno);
    lblQno->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblQno->hide();

    Label2 = plainLabel(this, QStringLiteral("Label2"));
    place(Label2, design::Label2);
    Label2->setText(tr("Question", "the caption beside the question number: 735 twips, about 7 letters"));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->hide();

    Label1 = plainLabel(this, QStringLiteral("Label1"));
    place(Label1, design::Label1);
    Label1->setText(tr("Time"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->hide();

    for (int i = 3; i >= 0; --i) {
        QLabel* letter = plainLabel(this, QStringLiteral("lblAA%1").arg(i));
        place(letter, design::lblAA.at(i));
        letter->setText(kLetters.at(i));
        letter->setFont(sansFont(9.75));
        letter->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblAA.at(i) = letter;
    }
    for (int i = 3; i >= 0; --i) {
        QLabel* answer = plainLabel(this, QStringLiteral("Option1%1").arg(i));
        place(answer, design::Option1.at(i));
        answer->setFont(courierFont(9));
        answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        answer->setWordWrap(true);
        Option1.at(i) = answer;
    }

    imgImage1 = plainLabel(this, QStringLiteral("imgImage1"));
    place(imgImage1, design::imgImage1);
    imgImage1->setAlignment(Qt::AlignCenter);
    imgImage1->setWordWrap(true);
    imgImage1->setAccessibleName(tr("Picture"));
    imgImage1->setAccessibleDescription(tr("No picture"));

    lblElapsed = plainLabel(this, QStringLiteral("lblElapsed"));
    place(lblElapsed, design::lblElapsed);
    lblElapsed->setFont(sansFont(12, true));
    lblElapsed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblElapsed->setFrameShape(QFrame::Box);
    lblElapsed->setAutoFillBackground(true);
    lblElapsed->setBackgroundRole(QPalette::Base);
    lblElapsed->setForegroundRole(QPalette::Text);
    lblElapsed->hide();

    // A screen reader reads the clock and the question number by their
    // values ("3:07"), each labelled by its caption: "Time 3:07".
    Label1->setBuddy(lblElapsed);
    lblElapsed->setAccessibleDescription(Label1->text());
    Label2->setBuddy(lblQno);
    lblQno->setAccessibleDescription(tr("Question"));

    // Tab order: Return, Start, the question, the answer buttons A to D.
    setTabOrder(cmdExit, cmdStart);
    setTabOrder(cmdStart, txtText1);
    setTabOrder(txtText1, cmdAns.at(0));
    for (int i = 0; i < 3; ++i)
        setTabOrder(cmdAns.at(i), cmdAns.at(i + 1));
}

void frmDrive1::keyPressEvent(QKeyEvent* event)
{
    // Answering from the keyboard: A to D, or 1 to 4, press the matching
    // answer button. The buttons and the read-only question box leave these
    // keys to the window.
    const int key = event->key();
    int index = -1;
    if (key >= Qt::Key_A && key <= Qt::Key_D)
        index = key - Qt::Key_A;
    else if (key >= Qt::Key_1 && key <= Qt::Key_4)
        index = key - Qt::Key_1;
    if (index < 0 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    pressAnswer(index);
}

void frmDrive1::Form_Load()
{
    Form_Resize();
    txtText1->setPlainText(instructionsText());
    for (int i = 0; i < 4; ++i) {
        Option1.at(i)->hide();
        lblAA.at(i)->hide();
        cmdAns.at(i)->hide();
    }
    m_session.load();
    cmdExit->setFocus();
}

void frmDrive1::showExam()
{
    // An exam window that is already open is only brought to the front.
    if (!isVisible()) {
        showFillingScreen(this, parentWidget());
        cmdExit->setFocus();
    }
    raise();
    activateWindow();
}

void frmDrive1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The border is fixed. Maximized, the window manager keeps the size; once
    // restored, the window keeps a fixed size that fits the screen with its
    // frame, the title bar at the top, so it can be moved but not resized.
    // The platform restores the window's geometry after telling of the new
    // state, so the fit waits for the event loop's next turn.
    if (event->type() == QEvent::WindowStateChange && !isMaximized())
        QMetaObject::invokeMethod(this, &frmDrive1::fitRestoredWindow, Qt::QueuedConnection);
}

void frmDrive1::fitRestoredWindow()
{
    const QRect area = availableArea(parentWidget());
    if (isMaximized() || !isVisible() || !area.isValid())
        return;
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize fitted = area.size().shrunkBy(frame);
    if (size() != fitted || minimumSize() != fitted || maximumSize() != fitted) {
        setFixedSize(fitted);
        resize(fitted);
    }
    if (frameGeometry().topLeft() != area.topLeft())
        move(area.topLeft());
}

void frmDrive1::Form_Resize()
{
    keepInsideBottomRight(cmdExit, design::kReturnInset);
}

void frmDrive1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
    // A platform that restores an older geometry after the fit is fitted again.
    if (!isMaximized() && minimumSize() == maximumSize() && size() != maximumSize())
        QMetaObject::invokeMethod(this, &frmDrive1::fitRestoredWindow, Qt::QueuedConnection);
}

void frmDrive1::closeEvent(QCloseEvent* event)
{
    // Every way of closing the window ends here; the close is never refused.
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmDrive1::cmdExit_Click()
{
    m_session.stop();
    close();
}

void frmDrive1::Form_Unload()
{
    m_unloaded = true;
    m_session.stop();
    // A message still open goes with the window, and nothing follows it.
    dropMessage();
}

void frmDrive1::cmdStart_Click()
{
    const bool started = m_session.start();

    cmdStart->setEnabled(false);
    cmdStart->hide();
    txtText1->clear();
    Label1->show();
    Label2->show();
    lblElapsed->show();
    lblQno->show();

    if (!started) {
        m_messageBox.information(
            this, tr("Invalid database file."), m_session.error().detail(), [window = QPointer<frmDrive1>(this)] {
                if (window)
                    window->cmdExit_Click();
            });
        return;
    }
    getq();
}

void frmDrive1::getq()
{
    const ExamSession::Step step = m_session.next();
    switch (step.kind) {
    case ExamSession::Step::Kind::TimeOut:
        // The time-out takes the place of a verdict still open.
        dropMessage();
        showMessage(step.text, step.cue, [this] {
            m_session.acknowledge();
            close();
        });
        return;
    case ExamSession::Step::Kind::Result:
        showMessage(step.text, step.cue, [this] {
            m_session.acknowledge();
            cmdExit_Click();
        });
        return;
    case ExamSession::Step::Kind::Question: showq(); return;
    }
}

void frmDrive1::showq()
{
    const QRecord& q = m_session.curq();
    showPicture(q.picture);
    if (!q.text.isEmpty())
        txtText1->setPlainText(q.text);
    for (int i = 0; i < 4; ++i) {
        Option1.at(i)->setText(q.answer.at(i));
        cmdAns.at(i)->setAccessibleDescription(q.answer.at(i));
        const bool shown = i < 3 || !q.answer.at(i).isEmpty();
        Option1.at(i)->setVisible(shown);
        lblAA.at(i)->setVisible(shown);
        cmdAns.at(i)->setVisible(shown);
    }
    lblQno->setText(QString::number(m_session.qno()));
    cmdExit->setFocus();
}

void frmDrive1::showPicture(const QString& name)
{
    imgImage1->clear();
    imgImage1->setFrameShape(QFrame::NoFrame);
    place(imgImage1, design::imgImage1);
    imgImage1->setAccessibleDescription(name.isEmpty() ? tr("No picture") : tr("Picture %1").arg(name));
    if (name.isEmpty())
        return;

    QImage image;
    const QString path = findProgramFile(m_folder, name);
    if (!path.isEmpty()) {
        QImageReader reader(path);
        const QSize size = reader.size();
        if (size.isValid() && size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide)
            reader.read(&image);
    }
    if (image.isNull()) {
        // The question still reads; the user sees why its picture is missing.
        imgImage1->setFrameShape(QFrame::Box);
        imgImage1->setText(tr("The picture %1 cannot be shown.").arg(name));
        return;
    }
    // Shown at its own size, never scaled; the box grows right and down.
    imgImage1->setPixmap(QPixmap::fromImage(image));
    imgImage1->resize(image.size());
}

void frmDrive1::cmdAns_Click(int index)
{
    const ExamSession::Verdict verdict = m_session.answer(index);
    showMessage(verdict.text, verdict.cue, [this] {
        m_session.acknowledge();
        getq();
    });
}

void frmDrive1::pressAnswer(int index)
{
    QPushButton* button = cmdAns.at(index);
    if (button->isVisible() && button->isEnabled())
        button->click();
}

void frmDrive1::showMessage(const QString& text, const QString& cue, std::function<void()> then)
{
    m_msg = new frmMsg(this);
    m_msg->setLabel1(text);
    m_messageSounds = !cue.isEmpty();
    if (m_messageSounds)
        m_sound.playwav(cue);
    m_afterMessage = std::move(then);
    connect(m_msg, &frmMsg::unloaded, this, &frmDrive1::messageClosed);
    m_msg->showModal();
}

frmMsg* frmDrive1::openMessage() const
{
    return m_msg;
}

void frmDrive1::messageClosed()
{
    m_msg = nullptr;
    // A cue still playing stops when its message is closed.
    if (std::exchange(m_messageSounds, false))
        m_sound.closewav();
    if (std::function<void()> then = std::exchange(m_afterMessage, {}))
        then();
}

void frmDrive1::dropMessage()
{
    m_afterMessage = {};
    if (frmMsg* open = m_msg)
        open->unload();
}

} // namespace veltrin
