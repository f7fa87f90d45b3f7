// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace veltrin {

// Colours and fonts of the design.
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kWhite(255, 255, 255);
inline const QColor kTitleRed(255, 0, 0);
inline const QColor kFocusFrame(0, 60, 140); // dark blue, clear on white and light yellow

// The design's "MS Sans Serif" and "Courier New" at a point size, sized in
// pixels at 96 dots per inch so that text keeps its place in the twips layout.
// Where those faces are missing their metric twins stand in.
QFont sansFont(double points, bool bold = false, bool underline = false);
QFont courierFont(double points);

inline constexpr double kDefaultPoints = 8.25;

// The part of the screen of `reference` that windows may use.
QRect availableArea(const QWidget* reference);

// Shows a window maximized on the screen of `reference` (or its own), as large
// as the screen allows with or without a window manager to maximize it.
void showFillingScreen(QWidget* window, const QWidget* reference);

// Fills a window's background with a colour.
void setBackground(QWidget* window, const QColor& colour);

// Makes the control with the keyboard focus plainly visible in every window:
// the application's style draws a dark frame inside a focused button (legible
// on the white welcome window and the yellow exam window alike) whether the
// focus came by the keyboard or was given by the window, so Space and Enter
// never press a button nobody can see is chosen. Call once, after the
// application object is made.
void showFocusFrames();

// A message window's look, shared by the exam's and practice's: a fixed
// frame with a title and a close box, light yellow, the default font, gone
// once closed; and its OK button "cmdExit" at `ok`, pressed by Enter.
inline constexpr Qt::WindowFlags kMessageWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
QPushButton* dressAsMessage(QDialog* window, const QString& title, const QString& okText, const TwipsRect& ok);

// A label that shows its text as given, never as markup: bank texts may hold
// "<" and "&".
QLabel* plainLabel(QWidget* parent, const QString& objectName);

} // namespace veltrin
