// What the HUD shows: the stage clock.
#include "gameplay/HUD.h"

#include <gtest/gtest.h>

namespace {

TEST(HudTest, ClockText) {
    EXPECT_EQ(ClockText(9990), "00:09:99");
    EXPECT_EQ(ClockText(754321), "12:34:32");
    EXPECT_EQ(ClockText(6000000), "100:00:00");
}

} // namespace
