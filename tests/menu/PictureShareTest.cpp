#include "menu/MenuLayout.h"

#include <gtest/gtest.h>

TEST(PictureShare, ListedShapesStretchOthersCropToTheirProportions) {
    for (const auto& [w, h] : {std::pair{800, 600}, {1280, 1024}, {1000, 780}, {0, 0}})
        EXPECT_TRUE(FullScreenShare(w, h).across == 1 && FullScreenShare(w, h).down == 1) << w << "x" << h;
    EXPECT_FLOAT_EQ(FullScreenShare(1600, 900).down, 0.75f) << "the middle 900 of 1200 rows";
    EXPECT_FLOAT_EQ(FullScreenShare(600, 800).across, 0.6f) << "the middle 600 of 1000 columns (5:4)";
}
