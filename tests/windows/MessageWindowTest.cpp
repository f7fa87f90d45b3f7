// The message window: loaded by its text, shown modal, and unloaded however it
// is closed, with msgsw telling the rest of the program which it is.

#include "support/WindowHarness.h"
#include "timing/SharedState.h"
#include "windows/frmMsg.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

struct Owner {
    QWidget window;
    SharedState shared;
    test::ModalResponder modals;
    Owner() { shared.setStartValues(); }
};

TEST(MessageWindow, SettingItsTextLoadsItAndClosingUnloadsIt)
{
    using Close = std::function<void(QWidget*)>;
    const std::vector<std::pair<const char*, Close>> ways {
        {"OK", test::pressOk},
        {"Escape", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }},
        {"Enter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }},
        {"close box", [](QWidget* w) { w->close(); }},
    };
    for (const auto& way : ways) {
        const char* name = way.first;
        const Close& close = way.second;
        Owner owner;
        QPointer<frmMsg> msg = new frmMsg(&owner.window, owner.shared);
        msg->setLabel1("Correct");
        EXPECT_EQ(owner.shared.msgsw(), Value(1)) << name << ": loaded before it is shown";
        Value whileShown;
        owner.modals.then([&](QWidget* w) {
            whileShown = owner.shared.msgsw();
            close(w);
        });
        msg->exec();
        EXPECT_EQ(whileShown, Value(1)) << name;
        EXPECT_EQ(owner.shared.msgsw(), Value(0)) << name;
        EXPECT_TRUE(msg.isNull() || msg->isUnloaded()) << name;
        EXPECT_EQ(owner.modals.modalsSeen, 1) << name << ": one action closes it";
    }
}

TEST(MessageWindow, UnloadedFromOutsideWhileShown)
{
    // The time-out takes an open message away: the modal wait ends.
    Owner owner;
    QPointer<frmMsg> msg = new frmMsg(&owner.window, owner.shared);
    msg->setLabel1("Wrong.  The correct answer is C");
    owner.modals.then([&](QWidget* w) { static_cast<frmMsg*>(w)->unload(); });
    msg->exec();
    EXPECT_EQ(owner.shared.msgsw(), Value(0));
}

TEST(MessageWindow, Layout)
{
    Owner owner;
    auto* msg = new frmMsg(&owner.window, owner.shared);
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
}

} // namespace
} // namespace veltrin
