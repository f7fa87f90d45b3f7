// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowHarness.h"

#include "engine/BankReader.h"
#include "windows/frmDrive1.h"
#include "windows/frmMsg.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <stdexcept>

namespace veltrin::test {

ModalResponder::ModalResponder()
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ModalResponder::poll);
    m_timer.start();
}

void ModalResponder::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    // A property rather than a set of pointers: a window deleted and a new one
    // made at the same address must still be answered.
    if (modal == nullptr || modal->property("answeredByTest").toBool() || !modal->isVisible())
        return;
    modal->setProperty("answeredByTest", true);
    ++modalsSeen;
    answered << (modal->objectName().isEmpty() ? QString::fromLatin1(modal->metaObject()->className())
                                               : modal->objectName());
    if (auto* message = qobject_cast<frmMsg*>(modal))
        messages << message->label1();
    Action action = m_actions.empty() ? Action(pressOk) : std::move(m_actions.front());
    if (!m_actions.empty())
        m_actions.pop_front();
    // Run outside this slot: the action may open the next modal.
    QMetaObject::invokeMethod(
        this,
        [action = std::move(action), window = QPointer<QWidget>(modal)] {
            if (window)
                action(window);
        },
        Qt::QueuedConnection);
}

void writePicture(const QString& folder, const QString& name, QSize size, Qt::GlobalColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = QDir(folder).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path, "PNG"))
        throw std::runtime_error("cannot write test picture");
}

void pressOk(QWidget* modal)
{
    const auto buttons = modal->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->text() == QLatin1String("OK")) {
            button->click();
            return;
        }
    }
}

void settle()
{
    // A few quiet turns in a row: an answered modal's follow-up may open the
    // next one, which the responder answers on a later turn.
    int quiet = 0;
    for (int turn = 0; turn < 10000 && quiet < 5; ++turn) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        quiet = QApplication::activeModalWidget() == nullptr ? quiet + 1 : 0;
    }
}

QSize insetFromBottomRight(const QWidget* control)
{
    const QRect r = control->geometry();
    const QWidget* window = control->window();
    return {window->width() - (r.x() + r.width()), window->height() - (r.y() + r.height())};
}

ProgramUnderTest::ProgramUnderTest(WavePlayer* player, const QString& bankFile, Language language)
    : services {clock, random, player != nullptr ? *player : this->player, messageBox, shell, folder.path(),
        [this] { ++ended; }}
{
    services.language = language;
    services.bankFile = bankFile;
    clock.now = 36000.0F; // ten in the morning
    random = ScriptedRandom({kKeepsTheDeckInOrder});
    writeBank(20, 20);
    m_welcome = std::make_unique<frmWelcome>(services);
    m_welcome->Timer1.stop();
    m_welcome->Form_Load();
}

ProgramUnderTest::~ProgramUnderTest() = default;

void ProgramUnderTest::writeBank(int count, int records)
{
    folder.writeBank(bank(count, records));
}

frmDrive1& ProgramUnderTest::openExam()
{
    m_welcome->cmdContinue->click();
    settle();
    return *drive();
}

frmDrive1& ProgramUnderTest::startExam()
{
    frmDrive1& window = openExam();
    window.cmdStart->click();
    settle();
    return window;
}

frmDrive1* ProgramUnderTest::drive() const
{
    return m_welcome->drive();
}

int ProgramUnderTest::rightIndex() const
{
    return correctNumber(m_welcome->session().curq().correct) - 1;
}

void ProgramUnderTest::answer(bool right)
{
    const int shown = drive()->cmdAns.at(3)->isVisible() ? 4 : 3;
    press(right ? rightIndex() : (rightIndex() + 1) % shown);
}

void ProgramUnderTest::press(int index)
{
    drive()->cmdAns.at(index)->click();
    settle();
}

void ProgramUnderTest::tick(float seconds)
{
    clock.now += seconds;
    m_welcome->Timer1_Timer();
    settle();
}

} // namespace veltrin::test
