// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Look.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOption>
#include <QWidget>

#include <cmath>

namespace veltrin {

namespace {

QFont designFont(const QStringList& families, double points)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    return font;
}

// The platform's style, with a focus frame that does not wait for a key.
class FocusFrameStyle final : public QProxyStyle {
public:
    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || (option->state & State_HasFocus) == 0)
            return;
        painter->save();
        QPen pen(kFocusFrame);
        pen.setWidth(2);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(3, 3, -3, -3));
        painter->restore();
    }
};

} // namespace

void showFocusFrames()
{
    QApplication::setStyle(new FocusFrameStyle);
}

QFont sansFont(double points, bool bold, bool underline)
{
    QFont font = designFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        points);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont courierFont(double points)
{
    QFont font = designFont(
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}, points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QRect availableArea(const QWidget* reference)
{
    const QScreen* screen = reference != nullptr ? reference->screen() : nullptr;
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

void showFillingScreen(QWidget* window, const QWidget* reference)
{
    // Without a window manager to maximize it, the window still fills the
    // area. move() places the frame, not the client area, so when a window
    // manager restores the window to this geometry its title bar is on screen.
    const QRect area = availableArea(reference != nullptr ? reference : window);
    if (area.isValid()) {
        window->move(area.topLeft());
        window->resize(area.size());
    }
    window->showMaximized();
}

void setBackground(QWidget* window, const QColor& colour)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

QPushButton* dressAsMessage(QDialog* window, const QString& title, const QString& okText, const TwipsRect& ok)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    setBackground(window, kLightYellow);
    window->setFont(sansFont(kDefaultPoints));
    auto* button = new QPushButton(okText, window);
    button->setObjectName(QStringLiteral("cmdExit"));
    place(button, ok);
    button->setDefault(true);
    button->setAutoDefault(true);
    return button;
}

QLabel* plainLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace veltrin
