// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ExamSession.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace veltrin {

class MessageBox;
class SoundCues;
class frmMsg;

// The exam window: the instructions and Start, then one question at a time.
// It shows what the exam session decides and forwards its user's actions to
// it; the session keeps the exam and its clock.
//
//   txtText1    the instructions, then the question text
//   imgImage1   the question's picture
//   Option1(i)  answer texts A to D      lblAA(i)  their letters
//   cmdAns(i)   answer buttons A to D    cmdStart  Start
//   cmdExit     Return                   Label2    the "Question" caption
//   lblQno      the question number      Label1    the "Time" caption
//   lblElapsed  the elapsed exam time
class frmDrive1 final : public QWidget {
    Q_OBJECT

public:
    // Loads the window from its design and runs its load sequence; the caller
    // shows it. `sound` is the welcome window's sound device; pictures are
    // looked up from the bank's folder `folder` (findBankPicture).
    frmDrive1(QWidget* owner, ExamSession& session, SoundCues& sound, MessageBox& messageBox, QString folder);

    // Shows the window maximized over the welcome window, or brings it to the
    // front when it is open already.
    void showExam();

    // Handlers, named after their controls.
    void cmdStart_Click();
    void cmdAns_Click(int index);
    void cmdExit_Click();

    // Progress: the next question, the result, or the time-out.
    void getq();

    // Whether the window has been unloaded (it is deleted soon after).
    bool isUnloaded() const { return m_unloaded; }

    // The message window while one is open.
    frmMsg* openMessage() const;

    std::array<QPushButton*, 4> cmdAns {};
    QPlainTextEdit* txtText1 = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblQno = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 4> lblAA {};
    std::array<QLabel*, 4> Option1 {};
    QLabel* imgImage1 = nullptr;
    QLabel* lblElapsed = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void fitRestoredWindow();
    void showq();
    void showPicture(const QString& name);
    void pressAnswer(int index);

    // Shows `text` in a new message window with its cue playing (none when
    // empty); `then` runs once the user has closed it. The window is modal and
    // the call returns at once.
    void showMessage(const QString& text, const QString& cue, std::function<void()> then);
    void messageClosed();
    // Takes an open message away without running what was to follow it.
    void dropMessage();

    ExamSession& m_session;
    SoundCues& m_sound;
    MessageBox& m_messageBox;
    QString m_folder;
    QPointer<frmMsg> m_msg;
    std::function<void()> m_afterMessage;
    bool m_messageSounds = false; // the open message's cue is playing
    bool m_unloaded = false;
};

} // namespace veltrin
