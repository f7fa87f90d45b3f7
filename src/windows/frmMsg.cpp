// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmMsg.h"

#include "windows/Look.h"
#include "windows/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace veltrin {

namespace {

namespace design {
constexpr double kClientWidth = 3930;
constexpr double kClientHeight = 1590;
constexpr TwipsRect cmdExit {1680, 1080, 495, 375};
constexpr TwipsRect Label1 {360, 240, 3255, 615};
} // namespace design

} // namespace

frmMsg::frmMsg(QWidget* owner)
    : QDialog(owner, kMessageWindowFlags)
{
    setObjectName(QStringLiteral("frmMsg"));
    setFixedSize(twipsToPixels(design::kClientWidth), twipsToPixels(design::kClientHeight));
    cmdExit = dressAsMessage(this, tr("Message"), tr("OK"), design::cmdExit);

    Label1 = plainLabel(this, QStringLiteral("Label1"));
    place(Label1, design::Label1);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    connect(cmdExit, &QPushButton::clicked, this, &frmMsg::cmdExit_Click);
    cmdExit->setFocus();
}

void frmMsg::setLabel1(const QString& text)
{
    Label1->setText(text);
    setAccessibleDescription(text);
}

void frmMsg::cmdExit_Click()
{
    accept();
}

} // namespace veltrin
