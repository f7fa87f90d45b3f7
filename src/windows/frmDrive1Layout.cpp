// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exam window's controls as designed, and how the window takes its place
// on the screen: maximized on opening, a fixed border, Return kept in the
// bottom-right corner. The handlers are in frmDrive1.cpp.

#include "windows/Look.h"
#include "windows/Twips.h"
#include "windows/frmDrive1.h"
#include "windows/frmDrive1Design.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

namespace veltrin {

namespace design = frmDrive1Design;

namespace {

const std::array<QString, 4> kLetters {
    QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};

} // namespace

void frmDrive1::createControls()
{
    // In the design's creation order.
    for (int i = 3; i >= 0; --i) {
        cmdAns.at(i) = new QPushButton(kLetters.at(i), this);
        cmdAns.at(i)->setObjectName(QStringLiteral("cmdAns%1").arg(i));
        place(cmdAns.at(i), design::cmdAns.at(i));
        connect(cmdAns.at(i), &QPushButton::clicked, this, [this, i] { cmdAns_Click(i); });
    }

    txtText1 = new QPlainTextEdit(this);
    txtText1->setObjectName(QStringLiteral("txtText1"));
    place(txtText1, design::txtText1);
    txtText1->setFont(courierFont(design::kTextPoints));
    txtText1->setReadOnly(true);
    txtText1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtText1->setAccessibleName(tr("Question"));
    txtText1->viewport()->setCursor(Qt::ArrowCursor);

    cmdStart = new QPushButton(tr("Start"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    place(cmdStart, design::cmdStart);
    connect(cmdStart, &QPushButton::clicked, this, &frmDrive1::cmdStart_Click);

    cmdExit = new QPushButton(tr("Return"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    place(cmdExit, design::cmdExit);
    connect(cmdExit, &QPushButton::clicked, this, &frmDrive1::cmdExit_Click);

    lblQno = plainLabel(this, QStringLiteral("lblQno"));
    place(lblQno, design::lblQno);
    lblQno->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblQno->hide();

    Label2 = plainLabel(this, QStringLiteral("Label2"));
    place(Label2, design::Label2);
    Label2->setText(tr("Question", "the caption beside the question number: 735 twips, about 7 letters"));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->hide();

    Label1 = plainLabel(this, QStringLiteral("Label1"));
    place(Label1, design::Label1);
    Label1->setText(tr("Time"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->hide();

    for (int i = 3; i >= 0; --i) {
        QLabel* letter = plainLabel(this, QStringLiteral("lblAA%1").arg(i));
        place(letter, design::lblAA.at(i));
        letter->setText(kLetters.at(i));
        letter->setFont(sansFont(9.75));
        letter->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblAA.at(i) = letter;
    }
    for (int i = 3; i >= 0; --i) {
        QLabel* answer = plainLabel(this, QStringLiteral("Option1%1").arg(i));
        place(answer, design::Option1.at(i));
        answer->setFont(courierFont(design::kTextPoints));
        answer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        answer->setWordWrap(true);
        Option1.at(i) = answer;
    }

    imgImage1 = plainLabel(this, QStringLiteral("imgImage1"));
    place(imgImage1, design::imgImage1);
    imgImage1->setAlignment(Qt::AlignCenter);
    imgImage1->setWordWrap(true);
    imgImage1->setAccessibleName(tr("Picture"));
    imgImage1->setAccessibleDescription(tr("No picture"));

    lblElapsed = plainLabel(this, QStringLiteral("lblElapsed"));
    place(lblElapsed, design::lblElapsed);
    lblElapsed->setFont(sansFont(12, true));
    lblElapsed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblElapsed->setFrameShape(QFrame::Box);
    lblElapsed->setAutoFillBackground(true);
    lblElapsed->setBackgroundRole(QPalette::Base);
    lblElapsed->setForegroundRole(QPalette::Text);
    lblElapsed->hide();

    // A screen reader reads the clock and the question number by their
    // values ("3:07"), each labelled by its caption: "Time 3:07".
    Label1->setBuddy(lblElapsed);
    lblElapsed->setAccessibleDescription(Label1->text());
    Label2->setBuddy(lblQno);
    lblQno->setAccessibleDescription(tr("Question"));

    // Tab order: Return, Start, the question, the answer buttons A to D.
    setTabOrder(cmdExit, cmdStart);
    setTabOrder(cmdStart, txtText1);
    setTabOrder(txtText1, cmdAns.at(0));
    for (int i = 0; i < 3; ++i)
        setTabOrder(cmdAns.at(i), cmdAns.at(i + 1));
}

void frmDrive1::showExam()
{
    // An exam window that is already open is only brought to the front. Some
    // window managers give it a minimize button it never asked for: a
    // minimized one comes back as it was (maximized or not), with its
    // question, so the exam it holds is never left running out of sight.
    if (!isVisible()) {
        showFillingScreen(this, parentWidget());
        cmdExit->setFocus();
    } else if (isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        show();
    }
    raise();
    activateWindow();
}

void frmDrive1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The border is fixed. Maximized, the window manager keeps the size; once
    // restored, the window keeps a fixed size that fits the screen with its
    // frame, the title bar at the top, so it can be moved but not resized.
    // The platform restores the window's geometry after telling of the new
    // state, so the fit waits for the event loop's next turn.
    if (event->type() == QEvent::WindowStateChange && !isMaximized())
        QMetaObject::invokeMethod(this, &frmDrive1::fitRestoredWindow, Qt::QueuedConnection);
}

void frmDrive1::fitRestoredWindow()
{
    const QRect area = availableArea(parentWidget());
    if (isMaximized() || !isVisible() || !area.isValid())
        return;
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize fitted = area.size().shrunkBy(frame);
    if (size() != fitted || minimumSize() != fitted || maximumSize() != fitted) {
        setFixedSize(fitted);
        resize(fitted);
    }
    if (frameGeometry().topLeft() != area.topLeft())
        move(area.topLeft());
}

void frmDrive1::Form_Resize()
{
    keepInsideBottomRight(cmdExit, design::kReturnInset);
}

void frmDrive1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
    // A platform that restores an older geometry after the fit is fitted again.
    if (!isMaximized() && minimumSize() == maximumSize() && size() != maximumSize())
        QMetaObject::invokeMethod(this, &frmDrive1::fitRestoredWindow, Qt::QueuedConnection);
}

} // namespace veltrin
