// The automatic render scale on a clock made of the frame times it is given.
#include "app/RenderScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Feeds `frames` frames of `times` in turn; returns the clock (microseconds) of every step taken.
std::vector<uint64_t> Feed(TRenderScale& scale, const std::vector<uint32_t>& times, int frames, uint64_t& clock) {
    std::vector<uint64_t> steps;
    for (int frame = 0; frame < frames; ++frame) {
        const float before = scale.Scale();
        const uint32_t time = times[frame % times.size()];
        clock += time;
        scale.FrameDrawn(time);
        if (scale.Scale() != before) steps.push_back(clock);
    }
    return steps;
}

} // namespace

TEST(RenderScale, LongFramesTakeItDownToHalfAndShortOnesBackToOne) {
    TRenderScale scale({true, 1});
    uint64_t clock = 0;
    // 25 ms frames for 5 seconds: down to the floor, and it stays there.
    Feed(scale, {25000}, 200, clock);
    EXPECT_FLOAT_EQ(scale.Scale(), 0.5f);
    // 8 ms frames: up in single steps, each after two settled seconds, to 1 within 25 s.
    clock = 0;
    const std::vector<uint64_t> ups = Feed(scale, {8000}, 25000000 / 8000, clock);
    EXPECT_FLOAT_EQ(scale.Scale(), 1.0f);
    EXPECT_EQ(ups.size(), 10u);
    // Frames just within the budget hold it where it is, and it starts on the step nearest the
    // one it is given.
    TRenderScale steady({true, 1}, 0.62f);
    Feed(steady, {14000}, 1000, clock);
    EXPECT_FLOAT_EQ(steady.Scale(), 0.6f);
}

TEST(RenderScale, AlternatingFramesNeverStepTwiceInHalfASecond) {
    TRenderScale scale({true, 1});
    uint64_t clock = 0;
    const std::vector<uint64_t> steps = Feed(scale, {5000, 30000, 9000, 21000}, 4000, clock);
    ASSERT_FALSE(steps.empty());
    for (size_t i = 1; i < steps.size(); ++i)
        EXPECT_GE(steps[i] - steps[i - 1], 500000u) << "step " << i;
    // Its values stay whole steps between the floor and 1.
    EXPECT_GE(scale.Scale(), 0.5f);
    const float steps20 = (scale.Scale() - 0.5f) / TRenderScale::kStep;
    EXPECT_NEAR(steps20, std::round(steps20), 1e-4);
}

TEST(RenderScale, AFixedScaleIgnoresFrameTimes) {
    TRenderScale scale({false, 0.75f});
    uint64_t clock = 0;
    Feed(scale, {40000}, 500, clock);
    EXPECT_FLOAT_EQ(scale.Scale(), 0.75f);
}
