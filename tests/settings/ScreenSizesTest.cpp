// The interface scale: the sizes the Graphics page offers keep the layout pixel for pixel.
#include "settings/ScreenSizes.h"

#include <gtest/gtest.h>

TEST(InterfaceScale, ListedSizesKeepTheLayoutOtherWindowsFollowTheirHeight) {
    for (int resolution = 0; resolution < LISTED_RESOLUTION_COUNT; ++resolution) {
        const platform::TPoint size = ResolutionSize(resolution);
        EXPECT_EQ(InterfaceScale(size.x, size.y), 1.0f) << size.x << "x" << size.y;
    }
    EXPECT_FLOAT_EQ(InterfaceScale(1920, 1080), 1.8f);
    EXPECT_FLOAT_EQ(InterfaceScale(1280, 720), 1.2f);
    EXPECT_FLOAT_EQ(InterfaceScale(400, 200), 0.5f) << "never below half";
}
