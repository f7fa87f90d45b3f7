// The welcome window's shared state, its car step, the self-advance test and
// the exam clock: arithmetic a user sees as motion and as the time shown.

#include "timing/SharedState.h"
#include "timing/Tick.h"

#include <gtest/gtest.h>

namespace veltrin {
namespace {

TEST(SharedState, EmptyValuesAreUnequalToEveryNumber)
{
    SharedState s;
    EXPECT_TRUE(s.timeexp().isEmpty());
    EXPECT_FALSE(s.timeexp() == 1);
    EXPECT_FALSE(s.timeexp() == 0);
    s.setStartValues();
    EXPECT_EQ(s.msgsw(), Value(0));
    EXPECT_EQ(s.switch1(), 0);
    EXPECT_EQ(s.tasktime(), 0.0F);
    EXPECT_EQ(s.lasttime(), Value(99));
    EXPECT_EQ(s.tasksw(), Value(0));
    EXPECT_TRUE(s.interval().isEmpty()) << "left empty by the load";
    EXPECT_TRUE(s.timeexp().isEmpty()) << "left empty by the load";
}

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
    EXPECT_FALSE(selfAdvanceDue(0, 109.0F, 100.0F)) << "exactly nine seconds is not enough";
    EXPECT_TRUE(selfAdvanceDue(0, 109.2F, 100.0F));
    EXPECT_FALSE(selfAdvanceDue(1, 200.0F, 100.0F)) << "Continue or About switched it off";
    EXPECT_TRUE(selfAdvanceDue(0, 5.0F, 86395.0F)) << "ten seconds across midnight";
    EXPECT_FALSE(selfAdvanceDue(0, 3.0F, 86395.0F));
}

struct ClockRun {
    SharedState state;
    ExamClock clock;

    explicit ClockRun(float start)
    {
        state.setStartValues();
        state.setTasktime(start);
        state.setTasksw(1);
        state.setTimeexp(0);
    }
    ExamClock::Result at(float now) { return clock.tick(state, now); }
};

TEST(ExamClock, ShowsMinutesAndTwoDigitSeconds)
{
    ClockRun run(1000.0F);
    EXPECT_EQ(run.at(1000.0F).caption, "0:00");
    EXPECT_EQ(run.at(1059.9F).caption, "0:59");
    EXPECT_EQ(run.at(1060.0F).caption, "1:00");
    EXPECT_EQ(run.at(1065.3F).caption, "1:05");
    EXPECT_EQ(run.at(1599.0F).caption, "9:59");
    EXPECT_EQ(run.at(1600.0F).caption, "10:00");
    EXPECT_EQ(run.at(1754.0F).caption, "12:34");
    EXPECT_FALSE(run.at(1754.5F).caption) << "the same whole second is not drawn again";
}

TEST(ExamClock, TimesOutOnceAtNineHundredSeconds)
{
    ClockRun run(1000.0F);
    auto r = run.at(1899.9F);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(run.state.tasksw(), Value(1));
    r = run.at(1900.1F);
    EXPECT_EQ(r.caption, "15:00") << "the count is drawn before the limit ends the exam";
    EXPECT_TRUE(r.timedOut);
    EXPECT_EQ(run.state.tasksw(), Value(0));
    EXPECT_EQ(run.state.timeexp(), Value(1));
    r = run.at(1950.0F);
    EXPECT_FALSE(r.timedOut);
    EXPECT_FALSE(r.caption) << "later ticks leave the clock alone";
}

TEST(ExamClock, RunsOnAcrossMidnight)
{
    ClockRun run(86000.0F); // 23:53:20
    EXPECT_EQ(run.at(86399.0F).caption, "6:39");
    EXPECT_EQ(run.at(1.0F).caption, "6:41") << "not a negative count after midnight";
    EXPECT_FALSE(run.at(499.0F).timedOut);
    EXPECT_TRUE(run.at(500.5F).timedOut) << "900 seconds after the start";
}

TEST(ExamClock, NothingWhileNoExamRuns)
{
    ClockRun run(1000.0F);
    run.state.setTasksw(0);
    const auto r = run.at(2000.0F);
    EXPECT_FALSE(r.caption);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(run.state.lasttime(), Value(99));
}

TEST(ExamClock, FirstTickOfASecondExamRedrawsUnlessTheCountIsTheSame)
{
    ClockRun run(1000.0F);
    run.state.setLasttime(0);
    EXPECT_FALSE(run.at(1000.5F).caption) << "0 was also the last count shown";
    EXPECT_EQ(run.at(1001.0F).caption, "0:01");
}

} // namespace
} // namespace veltrin
