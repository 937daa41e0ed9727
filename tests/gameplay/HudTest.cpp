// What the HUD shows: health segments, the stage clock.
#include "gameplay/HUD.h"

#include <gtest/gtest.h>

namespace {

TEST(HudTest, HealthSegmentsLightAndBlink) {
    const float full = 1000;
    // An eighth of the health: only the first segment, and it blinks.
    EXPECT_TRUE(HealthSegmentLit(1, full / 8, full));
    EXPECT_TRUE(HealthSegmentBlinks(1, full / 8, full));
    EXPECT_FALSE(HealthSegmentLit(2, full / 8, full));
    // Full health: all lit, none blinking.
    for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(HealthSegmentLit(k, full, full));
        EXPECT_FALSE(HealthSegmentBlinks(k, full, full));
    }
    // The lowest lit segment blinks in its lower half only.
    EXPECT_TRUE(HealthSegmentBlinks(3, 600, full));
    EXPECT_FALSE(HealthSegmentBlinks(3, 700, full));
}

TEST(HudTest, ClockText) {
    EXPECT_EQ(ClockText(9990), "00:09:99");
    EXPECT_EQ(ClockText(754321), "12:34:32");
    EXPECT_EQ(ClockText(6000000), "100:00:00");
}

} // namespace
