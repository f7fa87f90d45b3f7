// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ExamSession.h"
#include "support/Fakes.h"
#include "support/Recorders.h"
#include "support/TestBank.h"
#include "windows/Services.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace veltrin {
class frmDrive1;
class frmMsg;
class frmWelcome;
} // namespace veltrin

namespace veltrin::test {

// Answers modal windows as they open. Each modal window gets the next action
// of the queue, or OK when the queue is empty. It keeps which windows it
// answered (their object names: "frmMsg", "CopyR", a message box's
// "qt_msgbox" class name) and the texts of the message windows (practice's
// too), in the order
// they were shown. It polls from a zero-interval timer whenever the event loop
// runs (settle() runs it), so no test waits in real time.
class ModalResponder final : public QObject {
    Q_OBJECT

public:
    using Action = std::function<void(QWidget*)>;

    ModalResponder();
    void then(Action action) { m_actions.push_back(std::move(action)); }

    QStringList messages; // texts of the message windows shown
    QStringList answered; // object names of the modal windows answered
    int modalsSeen = 0;

private:
    void poll();

    QTimer m_timer;
    std::deque<Action> m_actions;
};

// The exam window as its user meets it: its controls, found by their names.
struct ExamView {
    explicit ExamView(frmDrive1* window);
    frmDrive1* operator->() const { return window; }

    frmDrive1* window = nullptr;
    std::array<QPushButton*, 4> cmdAns {};
    std::array<QLabel*, 4> lblAA {};
    std::array<QLabel*, 4> Option1 {};
    QPlainTextEdit* txtText1 = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblQno = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* imgImage1 = nullptr;
    QLabel* lblElapsed = nullptr;
};

// The welcome window's controls, found by their names.
struct WelcomeView {
    explicit WelcomeView(frmWelcome* window);
    frmWelcome* operator->() const { return window; }

    frmWelcome* window = nullptr;
    QPushButton* cmdContinue = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* imgCar = nullptr;
    QLabel* Image1 = nullptr;
};

// The about window's controls, found by their names.
struct AboutView {
    explicit AboutView(QWidget* window);
    QWidget* operator->() const { return window; }

    QWidget* window = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Image1 = nullptr;
};

// The text of a message window.
QString messageText(const QWidget* message);

// Writes a picture of one colour, `size` pixels, as PNG at `name` inside
// `folder`, making the folders on the way.
void writePicture(const QString& folder, const QString& name, QSize size, Qt::GlobalColor colour);

// Clicks a modal window's OK (message window, about window).
void pressOk(QWidget* modal);

// How far, in pixels, a control's right and bottom edges stand inside its
// window's client area.
QSize insetFromBottomRight(const QWidget* control);

// Runs the event loop until every modal window has been answered and what
// follows it has run. Windows answer and close without a nested event loop, so
// after each action a test lets the loop turn.
void settle();

// The program with fakes in place of the platform, a bank in a temporary
// program folder and the welcome window loaded. The tick is stopped: tests
// call it themselves after setting the clock. Every action below settles.
// Tests act through the windows' controls, as a user does; the session is
// read only to know the right answer of the question on screen.
class ProgramUnderTest {
public:
    // The sound device is `player` when one is given, else the recorder below.
    // With `bankFile` the exam takes its questions from that file and its
    // pictures from the file's folder, as --bank gives them.
    // `language` chooses the program folder's bank and the guide (the texts'
    // translation is the test's to install).
    // With `practice` the program runs practice rounds instead of the exam.
    explicit ProgramUnderTest(Sound* sound = nullptr, const QString& bankFile = {},
        Language language = Language::English, std::optional<Practice> practice = std::nullopt);
    ~ProgramUnderTest();

    // A bank of `records` records, each with four answers and answer 1 right.
    void writeBank(int count, int records);

    WelcomeView welcome() const { return WelcomeView(m_welcome.get()); }
    // Continue, then Start. Unless a test gives its own numbers, the random
    // source keeps the bank's order: question q is record q.
    ExamView openExam();
    ExamView startExam();
    // The exam window on the screen, or null.
    frmDrive1* drive() const;
    ExamView exam() const { return ExamView(drive()); }

    // The right answer's button index for the question on screen.
    int rightIndex() const;
    // Presses the right answer, or the next visible button after it (which
    // can be D).
    void answer(bool right);
    // Presses answer button `index` (0 for A).
    void press(int index);

    void tick(float seconds); // advance the clock and run one tick

    FakeClock clock;
    ScriptedRandom random;
    RecordingSound player;
    RecordingMessageBox messageBox;
    RecordingShell shell;
    TestFolder folder;
    int ended = 0;
    Services services;
    ExamSession session;
    ModalResponder modals;

private:
    std::unique_ptr<frmWelcome> m_welcome;
};

} // namespace veltrin::test
