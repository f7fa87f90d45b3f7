// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message window: shown modal with its text, and gone however it is
// closed, which its owner hears of once.

#include "platform/QtMessageBox.h"
#include "support/WindowHarness.h"
#include "windows/frmMsg.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

TEST(MessageWindow, EveryWayOfClosingItEndsItOnce)
{
    using Close = std::function<void(QWidget*)>;
    const std::vector<std::pair<const char*, Close>> ways {
        {"OK", test::pressOk},
        {"Escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }},
        {"Enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }},
        {"close box", [](QWidget* w) { w->close(); }},
    };
    for (const auto& [name, close] : ways) {
        QWidget owner;
        test::ModalResponder modals;
        QPointer<frmMsg> msg = new frmMsg(&owner);
        msg->setLabel1("Correct");
        int finished = 0;
        QObject::connect(msg, &QDialog::finished, [&] { ++finished; });
        bool modalWhileShown = false;
        modals.then([&, close = close](QWidget* w) {
            modalWhileShown = QApplication::activeModalWidget() == msg;
            close(w);
        });
        msg->open();
        EXPECT_TRUE(msg->isVisible()) << name << ": showing returns at once";
        test::settle();
        EXPECT_TRUE(modalWhileShown) << name;
        EXPECT_EQ(finished, 1) << name;
        EXPECT_TRUE(msg.isNull()) << name << ": the window has gone";
        EXPECT_EQ(modals.answered, QStringList {"frmMsg"}) << name << ": one action closes it";
    }
}

TEST(MessageWindow, Layout)
{
    QWidget owner;
    auto* msg = new frmMsg(&owner);
    msg->setLabel1("You ran out of time.  You had 20 correct answers out of 20.");
    EXPECT_EQ(msg->windowTitle(), "Message");
    EXPECT_EQ(msg->size(), QSize(262, 106)) << "3930 x 1590 twips";
    EXPECT_EQ(msg->minimumSize(), msg->maximumSize()) << "fixed size";
    const auto* label = msg->findChild<QLabel*>("Label1");
    const auto* ok = msg->findChild<QPushButton*>("cmdExit");
    ASSERT_TRUE(label && ok);
    EXPECT_EQ(test::messageText(msg), "You ran out of time.  You had 20 correct answers out of 20.");
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "the longest text wraps inside the label";
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(msg->focusWidget(), ok);
    EXPECT_EQ(ok->text(), "OK");
    msg->close();
    test::settle();
}

TEST(MessageBox, ARefusalIsAPlainBoxWithItsDetailAsWritten)
{
    QWidget owner;
    QtMessageBox box;
    int dismissed = 0;
    box.information(&owner, "Invalid database file.", "Line 1: the header gives \"<b>20</b>\" as the number.",
        [&] { ++dismissed; });
    auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(shown, nullptr) << "modal, and the call returned at once";
    EXPECT_EQ(shown->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(shown->windowTitle(), "Veltrin");
    EXPECT_EQ(shown->text(), "Invalid database file.");
    EXPECT_EQ(shown->standardButtons(), QMessageBox::Ok);
    bool detailShownAsWritten = false;
    for (const QLabel* label : shown->findChildren<QLabel*>()) {
        if (label->text().contains("<b>20</b>"))
            detailShownAsWritten = label->textFormat() == Qt::PlainText;
    }
    EXPECT_TRUE(detailShownAsWritten) << "a bank's header is never read as markup";
    EXPECT_EQ(dismissed, 0);
    shown->button(QMessageBox::Ok)->click();
    test::settle();
    EXPECT_EQ(dismissed, 1);
}

} // namespace
} // namespace veltrin
