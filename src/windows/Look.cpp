// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Look.h"

#include <QLabel>
#include <QPalette>
#include <QScreen>
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

} // namespace

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

QLabel* plainLabel(QWidget* parent, const QString& objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace veltrin
