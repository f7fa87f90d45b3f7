// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/Twips.h"

#include <array>

// The exam window's design: its client area and every control's place, in
// twips, as drawn. Shared by the window's two source files.
namespace veltrin::frmDrive1Design {

constexpr double kClientWidth = 9195;
constexpr double kClientHeight = 6225;
constexpr std::array<TwipsRect, 4> cmdAns {
    {{2040, 5280, 375, 375}, {2640, 5280, 375, 375}, {3240, 5280, 375, 375}, {3840, 5280, 375, 375}}};
constexpr TwipsRect txtText1 {120, 240, 6735, 2415};
constexpr TwipsRect cmdStart {2400, 5280, 1215, 375};
constexpr TwipsRect cmdExit {7800, 5520, 1095, 375};
constexpr TwipsRect lblQno {5880, 5640, 735, 255};
constexpr TwipsRect Label2 {5040, 5640, 735, 255};
constexpr TwipsRect Label1 {5160, 6000, 615, 255};
constexpr std::array<TwipsRect, 4> lblAA {
    {{120, 2760, 375, 255}, {120, 3360, 375, 255}, {120, 3960, 375, 255}, {120, 4560, 375, 255}}};
constexpr std::array<TwipsRect, 4> Option1 {
    {{600, 2760, 7335, 495}, {600, 3360, 7335, 495}, {600, 3960, 7335, 495}, {600, 4560, 7335, 495}}};
constexpr TwipsRect imgImage1 {6960, 240, 1935, 1815};
constexpr TwipsRect lblElapsed {5880, 6000, 1335, 375};
// The question's and the answers' font, Courier New 9 pt, at 96 dots per
// inch: 12 pixels, each character 0.6 of that wide, a line 14 pixels high.
// The bank checker works out from these and the sizes above how much text fits.
constexpr double kTextPoints = 9;
constexpr double kTextCharPixels = kTextPoints * 96.0 / 72.0 * 0.6;
constexpr double kTextLinePixels = 14;
// txtText1's frame and margins, on each side, in pixels.
constexpr double kTextBoxInsetPixels = 5;
// Return keeps this far inside the bottom-right corner.
constexpr double kReturnInset = 500;

} // namespace veltrin::frmDrive1Design
