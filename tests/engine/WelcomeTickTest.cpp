// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The welcome window's car step and self-advance test: arithmetic a user sees
// as motion.

#include "engine/WelcomeTick.h"

#include <gtest/gtest.h>

namespace veltrin {
namespace {

TEST(CarStep, WrapsAtTheClientWidth)
{
    // 1024 pixels = 15360 twips: from left 0 the car wraps on tick 77, to 40.
    const double width = 15360;
    double left = 0;
    bool flip = false;
    int ticks = 0;
    do {
        const auto step = carStep(left, 4920, width, 11520, flip);
        ASSERT_TRUE(step);
        ASSERT_LT(step->left, width) << "the left edge never stands at W or beyond";
        const bool wrapped = step->left < left;
        left = step->left;
        flip = step->flipsw;
        ++ticks;
        if (wrapped)
            break;
    } while (ticks < 1000);
    EXPECT_EQ(ticks, 77);
    EXPECT_EQ(left, 40);
}

TEST(CarStep, KeepsItsTopInsideTheClientHeight)
{
    auto step = carStep(0, 4920, 15360, 4000, false);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->top, 920);
    step = carStep(step->left, step->top, 15360, 11520, step->flipsw);
    EXPECT_EQ(step->top, 920) << "the car stays up when the window grows again";
    step = carStep(step->left, 5000, 15360, 11520, false);
    EXPECT_EQ(step->top, 5000);
}

TEST(CarStep, FramesAlternateStartingWithSpeedLines)
{
    auto first = carStep(0, 0, 9000, 9000, false);
    auto second = carStep(first->left, first->top, 9000, 9000, first->flipsw);
    auto third = carStep(second->left, second->top, 9000, 9000, second->flipsw);
    EXPECT_FALSE(first->frameA) << "frame B first";
    EXPECT_TRUE(second->frameA);
    EXPECT_FALSE(third->frameA);
}

TEST(CarStep, NoClientAreaNoStep)
{
    EXPECT_FALSE(carStep(100, 100, 0, 9000, false));
    EXPECT_FALSE(carStep(100, 100, 9000, 0, false));
    EXPECT_FALSE(carStep(100, 100, 0.4, 9000, false)) << "a width that rounds to nothing";
}

TEST(CarStep, RemaindersRoundHalvesToEven)
{
    EXPECT_EQ(roundedRemainder(2.5, 2), 0);  // 2 mod 2
    EXPECT_EQ(roundedRemainder(3.5, 2), 0);  // 4 mod 2
    EXPECT_EQ(roundedRemainder(10.4, 3), 1); // 10 mod 3
    EXPECT_EQ(roundedRemainder(-7, 3), -1);  // sign of the dividend
}

TEST(SelfAdvance, MoreThanNineSecondsAfterLoad)
{
    EXPECT_FALSE(selfAdvanceDue(false, 109.0F, 100.0F)) << "exactly nine seconds is not enough";
    EXPECT_TRUE(selfAdvanceDue(false, 109.2F, 100.0F));
    EXPECT_FALSE(selfAdvanceDue(true, 200.0F, 100.0F)) << "Continue or About switched it off";
    EXPECT_TRUE(selfAdvanceDue(false, 5.0F, 86395.0F)) << "ten seconds across midnight";
    EXPECT_FALSE(selfAdvanceDue(false, 3.0F, 86395.0F));
}

} // namespace
} // namespace veltrin
