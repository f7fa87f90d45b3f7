// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Window tests run on Qt's offscreen platform unless told otherwise, so they
// need no display, also when the build lists the tests right after linking.

#include "windows/Look.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    veltrin::showFocusFrames();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
