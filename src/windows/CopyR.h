// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace veltrin {

class MessageBox;
class Shell;

// The about window: product, version, copyright, authors, contact, and a link
// that opens the program's web address in the user's browser. When the
// desktop cannot open it, a message box says where the page is, so the user
// can open it by hand.
//
//   Label3  the product title and version   Label2  the copyright line
//   Label1  the authors                     Label4  how to reach them
//   Label5  the link                        Image1  the portrait
//   cmdOK   OK
class CopyR final : public QDialog {
    Q_OBJECT

public:
    // `messageBox` tells that the link could not be opened.
    CopyR(QWidget* owner, Shell& shell, MessageBox& messageBox, QString address);
    ~CopyR() override;

    // Shows the window modal over the welcome window and returns at once; the
    // window deletes itself when it is closed.
    void showModal();

    // The address the link opens.
    QString address() const { return m_address; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOK_Click();
    void Label5_Click();

    Shell& m_shell;
    MessageBox& m_messageBox;
    QString m_address;

    QPushButton* cmdOK = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace veltrin
