// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ExamSession.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace veltrin {

class MessageBox;
class Sound;
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
    // shows it. Cues play on the welcome window's sound device `sound`;
    // pictures are looked up from the bank's folder `pictureFolder`
    // (findBankPicture).
    frmDrive1(QWidget* owner, ExamSession& session, Sound& sound, MessageBox& messageBox, QString pictureFolder);

    // Shows the window maximized over the welcome window, or brings it back
    // to the front when it is open already.
    void showExam();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Handlers, named after their controls.
    void cmdStart_Click();
    void cmdAns_Click(int index);
    void cmdExit_Click();

    // Progress: the next question, the result, or the time-out.
    void getq();

    // What follows each message once the user has closed it.
    void onVerdictClosed();
    void onResultClosed();
    void onTimeOutClosed();
    void onReviewClosed();

    void createControls();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void fitRestoredWindow();
    void showq();
    void showPicture(const QString& name);
    void pressAnswer(int index);

    // Opens a message window with `text`, its cue playing (if any); the window
    // is modal and the call returns at once. `onClosed` runs when the user
    // closes it.
    void openMessage(const QString& text, std::optional<Cue> cue, void (frmDrive1::*onClosed)());
    // Takes an open message away, its cue with it, without running what was to
    // follow it.
    void dropMessage();
    void stopCue();

    ExamSession& m_session;
    Sound& m_sound;
    MessageBox& m_messageBox;
    QString m_pictureFolder;
    QPointer<QDialog> m_msg; // the message open, if any
    bool m_cuePlaying = false;

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
};

} // namespace veltrin
