// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

namespace veltrin {

// The windows are designed in twips (1/1440 inch); 15 twips make one pixel at
// 96 dots per inch. Every conversion between the two goes through here.
inline constexpr double kTwipsPerPixel = 15.0;

int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// A control's place in the design: left, top, width, height in twips.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

QRect toPixels(const TwipsRect& rect);
void place(QWidget* control, const TwipsRect& rect);
// Moves a control to a left and top in twips, keeping its size.
void moveTo(QWidget* control, double left, double top);

// Keeps a control `inset` twips in from the right and bottom edges of its
// window's client area (Exit on the welcome window, Return on the exam window).
// A client area smaller than the control gives it negative coordinates.
void keepInsideBottomRight(QWidget* control, double inset);

// A window's client area in twips.
double clientWidthTwips(const QWidget* window);
double clientHeightTwips(const QWidget* window);

} // namespace veltrin
