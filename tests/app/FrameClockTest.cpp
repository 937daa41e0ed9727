#include "app/FrameClock.h"

#include <gtest/gtest.h>
#include <vector>

TEST(FrameClock, FixedRateFramesLastAtLeastTwentyFiveMilliseconds) {
    uint32_t time = 1000;
    const auto now = [&] { return time; };
    const auto sleep = [&](uint32_t ms) { time += ms; };
    for (const uint32_t work : {1u, 10u, 24u}) {
        SCOPED_TRACE(work);
        TFrameClock clock;
        clock.lastTick = time;
        for (int frame = 0; frame < 8; ++frame) {
            const uint32_t start = time;
            time += work;
            EXPECT_EQ(MeasureFrameStep(clock, true, now, sleep), 25u);
            EXPECT_EQ(time - start, 25u) << "frame " << frame;
        }
    }

    // Without the switch the step is the time the frame took, and nothing sleeps.
    TFrameClock clock;
    clock.lastTick = time;
    time += 40;
    EXPECT_EQ(MeasureFrameStep(clock, false, now, sleep), 40u);
}

TEST(FrameClock, SlowMotionEasesOneUnitPerHundredMilliseconds) {
    TFrameClock clock;
    uint32_t divisor = 1;
    std::vector<uint32_t> seen;
    for (int frame = 0; frame < 12; ++frame) {
        EaseTimeDivisor(clock, divisor, 4, 25);
        seen.push_back(divisor);
    }
    // 2 at once, then a step after the timer of 100 ms has run down over five 25 ms frames.
    EXPECT_EQ(seen, (std::vector<uint32_t>{2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4}));

    // A held Return gives steps of 0: the timer does not run down, so the divisor stays.
    for (int frame = 0; frame < 10; ++frame)
        EaseTimeDivisor(clock, divisor, 1, 0);
    EXPECT_EQ(divisor, 4u);
    for (int frame = 0; frame < 5; ++frame)
        EaseTimeDivisor(clock, divisor, 1, 25);
    EXPECT_EQ(divisor, 3u);
}

TEST(FrameClock, ScaledStepCarriesTheRemainder) {
    TFrameClock clock;
    std::vector<uint32_t> steps;
    for (int frame = 0; frame < 4; ++frame) {
        steps.push_back(ScaledStep(clock, 25, 4));
        CarryRemainder(clock, 25, 4);
    }
    EXPECT_EQ(steps, (std::vector<uint32_t>{6, 6, 6, 7}));
    EXPECT_EQ(clock.divisorRemainder, 0u);

}

TEST(FrameClock, TitleShowsFramesPerThousandGameMilliseconds) {
    TFrameClock clock;
    std::string title;
    for (int frame = 0; frame < 39; ++frame)
        ASSERT_FALSE(CountFrameForTitle(clock, 25, title));
    ASSERT_TRUE(CountFrameForTitle(clock, 25, title));
    EXPECT_EQ(title, "FPS: 40");
    EXPECT_FALSE(CountFrameForTitle(clock, 25, title)) << "the count starts again";
}
