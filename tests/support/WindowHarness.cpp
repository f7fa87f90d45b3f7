// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WindowHarness.h"

#include "engine/BankReader.h"
#include "windows/frmDrive1.h"
#include "windows/frmMsg.h"
#include "windows/frmPracticeMsg.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <QLabel>
#include <QPlainTextEdit>
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
    if (qobject_cast<frmMsg*>(modal) != nullptr || qobject_cast<frmPracticeMsg*>(modal) != nullptr)
        messages << messageText(modal);
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

namespace {

template <typename T> T* named(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (found == nullptr)
        throw std::runtime_error("no control named " + name.toStdString());
    return found;
}

} // namespace

ExamView::ExamView(frmDrive1* w)
    : window(w)
{
    if (window == nullptr)
        return;
    for (int i = 0; i < 4; ++i) {
        cmdAns.at(i) = named<QPushButton>(window, QStringLiteral("cmdAns%1").arg(i));
        lblAA.at(i) = named<QLabel>(window, QStringLiteral("lblAA%1").arg(i));
        Option1.at(i) = named<QLabel>(window, QStringLiteral("Option1%1").arg(i));
    }
    txtText1 = named<QPlainTextEdit>(window, QStringLiteral("txtText1"));
    cmdStart = named<QPushButton>(window, QStringLiteral("cmdStart"));
    cmdExit = named<QPushButton>(window, QStringLiteral("cmdExit"));
    lblQno = named<QLabel>(window, QStringLiteral("lblQno"));
    Label1 = named<QLabel>(window, QStringLiteral("Label1"));
    Label2 = named<QLabel>(window, QStringLiteral("Label2"));
    imgImage1 = named<QLabel>(window, QStringLiteral("imgImage1"));
    lblElapsed = named<QLabel>(window, QStringLiteral("lblElapsed"));
}

WelcomeView::WelcomeView(frmWelcome* w)
    : window(w)
{
    cmdContinue = named<QPushButton>(window, QStringLiteral("cmdContinue"));
    cmdAbout = named<QPushButton>(window, QStringLiteral("cmdAbout"));
    cmdExit = named<QPushButton>(window, QStringLiteral("cmdExit"));
    Label2 = named<QLabel>(window, QStringLiteral("Label2"));
    imgCar = named<QLabel>(window, QStringLiteral("imgCar"));
    Image1 = named<QLabel>(window, QStringLiteral("Image1"));
}

AboutView::AboutView(QWidget* w)
    : window(w)
{
    cmdOK = named<QPushButton>(window, QStringLiteral("cmdOK"));
    Label1 = named<QLabel>(window, QStringLiteral("Label1"));
    Label2 = named<QLabel>(window, QStringLiteral("Label2"));
    Label3 = named<QLabel>(window, QStringLiteral("Label3"));
    Label4 = named<QLabel>(window, QStringLiteral("Label4"));
    Label5 = named<QLabel>(window, QStringLiteral("Label5"));
    Image1 = named<QLabel>(window, QStringLiteral("Image1"));
}

QString messageText(const QWidget* message)
{
    return named<QLabel>(message, QStringLiteral("Label1"))->text();
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

namespace {

Services servicesFor(ProgramUnderTest& program, Sound* sound, const QString& bankFile, Language language)
{
    Services services {program.clock, program.random, sound != nullptr ? *sound : program.player, program.messageBox,
        program.shell, program.folder.path(), [&program] { ++program.ended; }};
    services.language = language;
    services.bankFile = bankFile;
    return services;
}

} // namespace

ProgramUnderTest::ProgramUnderTest(
    Sound* sound, const QString& bankFile, Language language, std::optional<Practice> practice)
    : services(servicesFor(*this, sound, bankFile, language))
    , session(clock, random, services.bank().file, std::move(practice))
{
    clock.now = 36000.0F; // ten in the morning
    random = ScriptedRandom({kKeepsTheDeckInOrder});
    writeBank(20, 20);
    m_welcome = std::make_unique<frmWelcome>(services, session);
    named<QTimer>(m_welcome.get(), QStringLiteral("Timer1"))->stop();
    m_welcome->Form_Load();
}

ProgramUnderTest::~ProgramUnderTest() = default;

void ProgramUnderTest::writeBank(int count, int records)
{
    folder.writeBank(bank(count, records));
}

ExamView ProgramUnderTest::openExam()
{
    welcome().cmdContinue->click();
    settle();
    return exam();
}

ExamView ProgramUnderTest::startExam()
{
    ExamView view = openExam();
    view.cmdStart->click();
    settle();
    return view;
}

frmDrive1* ProgramUnderTest::drive() const
{
    const auto windows = m_welcome->findChildren<frmDrive1*>();
    for (frmDrive1* window : windows) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

int ProgramUnderTest::rightIndex() const
{
    return correctNumber(session.curq().correct) - 1;
}

void ProgramUnderTest::answer(bool right)
{
    const int shown = exam().cmdAns.at(3)->isVisible() ? 4 : 3;
    press(right ? rightIndex() : (rightIndex() + 1) % shown);
}

void ProgramUnderTest::press(int index)
{
    exam().cmdAns.at(index)->click();
    settle();
}

void ProgramUnderTest::tick(float seconds)
{
    clock.now += seconds;
    // What the welcome window's timer does on each timeout.
    QMetaObject::invokeMethod(m_welcome.get(), "Timer1_Timer");
    settle();
}

} // namespace veltrin::test
