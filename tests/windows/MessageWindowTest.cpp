// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The message window: shown modal with its text, and unloaded however it is
// closed, which its owner hears of.

#include "support/WindowHarness.h"
#include "windows/frmMsg.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

TEST(MessageWindow, EveryWayOfClosingItUnloadsItOnce)
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
        int unloads = 0;
        QObject::connect(msg, &frmMsg::unloaded, [&] { ++unloads; });
        bool modalWhileShown = false;
        modals.then([&, close = close](QWidget* w) {
            modalWhileShown = QApplication::activeModalWidget() == msg;
            close(w);
        });
        msg->showModal();
        EXPECT_TRUE(msg->isVisible()) << name << ": showing returns at once";
        test::settle();
        EXPECT_TRUE(modalWhileShown) << name;
        EXPECT_EQ(unloads, 1) << name;
        EXPECT_TRUE(msg.isNull()) << name << ": the window has gone";
        EXPECT_EQ(modals.answered, QStringList {"frmMsg"}) << name << ": one action closes it";
    }
}

TEST(MessageWindow, UnloadedFromOutsideWhileShown)
{
    // The time-out takes an open message away.
    QWidget owner;
    QPointer<frmMsg> msg = new frmMsg(&owner);
    msg->setLabel1("Wrong.  The correct answer is C");
    int unloads = 0;
    QObject::connect(msg, &frmMsg::unloaded, [&] { ++unloads; });
    msg->showModal();
    msg->unload();
    msg->unload();
    test::settle();
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(msg.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(MessageWindow, Layout)
{
    QWidget owner;
    auto* msg = new frmMsg(&owner);
    msg->setLabel1("You ran out of time.  You had 20 correct answers out of 20.");
    EXPECT_EQ(msg->windowTitle(), "Message");
    EXPECT_EQ(msg->size(), QSize(262, 106)) << "3930 x 1590 twips";
    EXPECT_EQ(msg->minimumSize(), msg->maximumSize()) << "fixed size";
    EXPECT_TRUE(msg->Label1->wordWrap());
    EXPECT_EQ(msg->Label1->textFormat(), Qt::PlainText);
    EXPECT_LE(msg->Label1->heightForWidth(msg->Label1->width()), msg->Label1->height())
        << "the longest text wraps inside the label";
    EXPECT_TRUE(msg->cmdExit->isDefault());
    EXPECT_EQ(msg->focusWidget(), msg->cmdExit);
    EXPECT_EQ(msg->cmdExit->text(), "OK");
    msg->unload();
    test::settle();
}

} // namespace
} // namespace veltrin
