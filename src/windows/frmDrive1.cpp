// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmDrive1.h"

#include "engine/BankLocation.h"
#include "engine/Messages.h"
#include "engine/Practice.h"
#include "platform/MessageBox.h"
#include "sound/Sound.h"
#include "windows/Look.h"
#include "windows/Twips.h"
#include "windows/frmDrive1Design.h"
#include "windows/frmMsg.h"
#include "windows/frmPracticeMsg.h"
#include "windows/frmReview.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace veltrin {

namespace design = frmDrive1Design;

namespace {

// Pictures larger than this are not question pictures; they are not decoded.
constexpr int kMaxPictureSide = 4096;

} // namespace

frmDrive1::frmDrive1(QWidget* owner, ExamSession& session, Sound& sound, MessageBox& messageBox, QString pictureFolder)
    : QWidget(owner,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_session(session)
    , m_sound(sound)
    , m_messageBox(messageBox)
    , m_pictureFolder(std::move(pictureFolder))
{
    setObjectName(QStringLiteral("frmDrive1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(m_session.isPractice() ? tr("Veltrin's Test – Practice") : tr("Veltrin's Test"));
    setBackground(this, kLightYellow);
    setFont(sansFont(kDefaultPoints));
    resize(twipsToPixels(design::kClientWidth), twipsToPixels(design::kClientHeight));
    createControls();
    connect(&m_session, &ExamSession::elapsedChanged, lblElapsed, &QLabel::setText);
    connect(&m_session, &ExamSession::timedOut, this, &frmDrive1::getq);
    Form_Load();
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
    txtText1->setPlainText(m_session.isPractice() ? practiceInstructionsText() : instructionsText());
    for (int i = 0; i < 4; ++i) {
        Option1.at(i)->hide();
        lblAA.at(i)->hide();
        cmdAns.at(i)->hide();
    }
    m_session.load();
    cmdExit->setFocus();
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
        // The refusal belongs to the exam window, which closes after it: a box
        // that goes with its window never calls back.
        m_messageBox.information(
            this, tr("Invalid database file."), m_session.error().detail(), [this] { cmdExit_Click(); });
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
        openMessage(step.text, step.cue, &frmDrive1::onTimeOutClosed);
        return;
    case ExamSession::Step::Kind::Result: openMessage(step.text, step.cue, &frmDrive1::onResultClosed); return;
    case ExamSession::Step::Kind::Question: showq(); return;
    }
}

void frmDrive1::onVerdictClosed()
{
    stopCue();
    m_session.acknowledge();
    getq();
}

void frmDrive1::onResultClosed()
{
    stopCue();
    if (!m_session.isPractice()) {
        cmdExit_Click();
        return;
    }
    auto* review = new frmReview(this, m_session.missed(), m_session.progress());
    connect(review, &QDialog::finished, this, &frmDrive1::onReviewClosed);
    review->open();
}

void frmDrive1::onReviewClosed()
{
    cmdExit_Click();
}

void frmDrive1::onTimeOutClosed()
{
    close();
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
    const QString path = findBankPicture(m_pictureFolder, name);
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
    openMessage(verdict.text, verdict.cue, &frmDrive1::onVerdictClosed);
}

void frmDrive1::pressAnswer(int index)
{
    QPushButton* button = cmdAns.at(index);
    if (button->isVisible() && button->isEnabled())
        button->click();
}

void frmDrive1::openMessage(const QString& text, std::optional<Cue> cue, void (frmDrive1::*onClosed)())
{
    // Practice has a message window that fits the reason it gives.
    if (m_session.isPractice()) {
        auto* msg = new frmPracticeMsg(this);
        msg->setLabel1(text);
        m_msg = msg;
    } else {
        auto* msg = new frmMsg(this);
        msg->setLabel1(text);
        m_msg = msg;
    }
    if (cue) {
        m_sound.play(*cue);
        m_cuePlaying = true;
    }
    connect(m_msg, &QDialog::finished, this, onClosed);
    m_msg->open();
}

void frmDrive1::stopCue()
{
    // A cue still playing stops when its message is closed.
    if (std::exchange(m_cuePlaying, false))
        m_sound.stop();
}

void frmDrive1::dropMessage()
{
    if (QDialog* open = m_msg) {
        disconnect(open, nullptr, this, nullptr);
        open->close();
    }
    stopCue();
}

} // namespace veltrin
