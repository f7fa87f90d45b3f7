// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace veltrin {

// The message window: one text and OK, shown modal over the exam window for
// each verdict, the result and the time-out.
//
//   Label1   the message text
//   cmdExit  OK
//
// It is loaded when it is made and unloaded when it is closed in any way (OK,
// Enter, Escape, the close box, or the time-out taking it away); unloaded()
// tells its owner, and the window deletes itself afterwards. Showing it
// returns at once: the owner goes on when unloaded() comes.
class frmMsg final : public QDialog {
    Q_OBJECT

public:
    explicit frmMsg(QWidget* owner);

    void setLabel1(const QString& text);
    QString label1() const;

    // Shows the window modal over every other window of the program.
    void showModal();

    // Unloads the window: it goes from the screen, unloaded() is signalled,
    // and the object is deleted once control returns to the event loop.
    void unload();

    void cmdExit_Click();
    void done(int result) override;

    QPushButton* cmdExit = nullptr;
    QLabel* Label1 = nullptr;

signals:
    void unloaded();

private:
    bool m_unloaded = false;
};

} // namespace veltrin
