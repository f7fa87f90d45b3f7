// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmPracticeMsg.h"

#include "windows/Look.h"
#include "windows/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace veltrin {

namespace {

namespace design {
// A short text keeps the exam message's size; a long one widens the window
// to kWideWidth and lengthens it as far as kMaxShare of the screen's height.
constexpr double kNarrowWidth = 3930;
constexpr double kWideWidth = 7800;
constexpr double kMargin = 360; // left and right of the text
constexpr double kTop = 240;    // above the text
constexpr double kGap = 225;    // between the text and OK
constexpr double kBottom = 135; // below OK
constexpr double kMinTextHeight = 615;
constexpr TwipsRect cmdExit {0, 0, 495, 375}; // centred below the text
constexpr double kMaxShare = 0.7;
} // namespace design

} // namespace

frmPracticeMsg::frmPracticeMsg(QWidget* owner)
    : QDialog(owner, kMessageWindowFlags)
{
    setObjectName(QStringLiteral("frmPracticeMsg"));
    cmdExit = dressAsMessage(this, tr("Message"), tr("OK"), design::cmdExit);

    scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFocusPolicy(Qt::NoFocus);
    Label1 = plainLabel(nullptr, QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setBackground(Label1, kLightYellow);
    scroller->setWidget(Label1);

    connect(cmdExit, &QPushButton::clicked, this, &frmPracticeMsg::cmdExit_Click);
    setLabel1(QString());
    cmdExit->setFocus();
}

void frmPracticeMsg::setLabel1(const QString& text)
{
    Label1->setText(text);
    setAccessibleDescription(text);
    Label1->setAccessibleName(text);

    // The narrow window when the text fits on the exam message's lines,
    // centred as there; otherwise the wide one, the text read from the left.
    const int narrowText = twipsToPixels(design::kNarrowWidth - 2 * design::kMargin);
    const bool narrow = !text.contains(QLatin1Char('\n'))
        && Label1->heightForWidth(narrowText) <= twipsToPixels(design::kMinTextHeight);
    Label1->setAlignment((narrow ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    const int width = twipsToPixels(narrow ? design::kNarrowWidth : design::kWideWidth);
    const int textWidth = width - 2 * twipsToPixels(design::kMargin);

    const int fixedHeight = twipsToPixels(design::kTop + design::kGap + design::cmdExit.height + design::kBottom);
    const QRect area = availableArea(parentWidget() != nullptr ? parentWidget() : this);
    const int screenHeight = area.isValid() ? area.height() : 768;
    const int maxText = std::max(
        twipsToPixels(design::kMinTextHeight), static_cast<int>(screenHeight * design::kMaxShare) - fixedHeight);
    const int wanted = std::max(Label1->heightForWidth(textWidth), twipsToPixels(design::kMinTextHeight));
    const bool scrolls = wanted > maxText;
    const int textHeight = std::min(wanted, maxText);
    // A scrolling text makes room for its scroll bar.
    const int scrollBar = scrolls ? scroller->verticalScrollBar()->sizeHint().width() : 0;

    setFixedSize(width + scrollBar, fixedHeight + textHeight);
    scroller->setGeometry(
        twipsToPixels(design::kMargin), twipsToPixels(design::kTop), textWidth + scrollBar, textHeight);
    scroller->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    cmdExit->move((width + scrollBar - cmdExit->width()) / 2, twipsToPixels(design::kTop + design::kGap) + textHeight);
}

void frmPracticeMsg::cmdExit_Click()
{
    accept();
}

} // namespace veltrin
