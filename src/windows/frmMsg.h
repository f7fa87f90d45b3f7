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
// OK, Enter, Escape and the close box all close it; its owner hears of that
// through QDialog's finished(), and the window deletes itself.
class frmMsg final : public QDialog {
    Q_OBJECT

public:
    explicit frmMsg(QWidget* owner);

    void setLabel1(const QString& text);

private:
    void cmdExit_Click();

    QPushButton* cmdExit = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace veltrin
