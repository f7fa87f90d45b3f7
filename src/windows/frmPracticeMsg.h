// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;

namespace veltrin {

// The message window of practice: the verdict with the reason behind the
// right answer and its source. It is as wide and tall as its text needs, up
// to a sensible size, and scrolls beyond it.
//
//   Label1   the message text, word-wrapped, in a scrolling box
//   cmdExit  OK
//
// OK, Enter, Escape and the close box all close it; its owner hears of that
// through QDialog's finished(), and the window deletes itself.
class frmPracticeMsg final : public QDialog {
    Q_OBJECT

public:
    explicit frmPracticeMsg(QWidget* owner);

    // Sets the text and sizes the window to it.
    void setLabel1(const QString& text);

private:
    void cmdExit_Click();

    QPushButton* cmdExit = nullptr;
    QScrollArea* scroller = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace veltrin
