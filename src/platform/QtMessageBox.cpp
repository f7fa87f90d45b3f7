// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtMessageBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace veltrin {

void QtMessageBox::information(
    QWidget* owner, const QString& text, const QString& detail, std::function<void()> dismissed)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Veltrin"), text, QMessageBox::Ok, owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    // The button says what the OK of our own windows says, in every language:
    // their design leaves no room for a longer word (the message window's OK
    // is 33 pixels wide, and "Aceptar" takes 38 in its font).
    box->button(QMessageBox::Ok)->setText(QCoreApplication::translate("MessageBox", "OK"));
    if (!detail.isEmpty()) {
        box->setInformativeText(detail);
        // The informative text is made as rich text where it looks like markup,
        // and the detail quotes the bank: show it as written.
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }
    QObject::connect(box, &QMessageBox::finished, box, [dismissed = std::move(dismissed)] {
        if (dismissed)
            dismissed();
    });
    box->show();
}

} // namespace veltrin
