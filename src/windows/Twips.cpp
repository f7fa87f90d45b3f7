// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Twips.h"

#include <QWidget>

#include <cmath>

namespace veltrin {

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

QRect toPixels(const TwipsRect& rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width), twipsToPixels(rect.height)};
}

void place(QWidget* control, const TwipsRect& rect)
{
    control->setGeometry(toPixels(rect));
}

void moveTo(QWidget* control, double left, double top)
{
    control->move(twipsToPixels(left), twipsToPixels(top));
}

void keepInsideBottomRight(QWidget* control, double inset)
{
    const QWidget* window = control->parentWidget();
    const double top = clientHeightTwips(window) - pixelsToTwips(control->height()) - inset;
    const double left = clientWidthTwips(window) - pixelsToTwips(control->width()) - inset;
    moveTo(control, left, top);
}

double clientWidthTwips(const QWidget* window)
{
    return pixelsToTwips(window->width());
}

double clientHeightTwips(const QWidget* window)
{
    return pixelsToTwips(window->height());
}

} // namespace veltrin
