#include "menu/MenuLayout.h"

#include <gtest/gtest.h>

TEST(PictureShare, ListedShapesStretchOthersCropToTheirProportions) {
    for (const auto& size : {std::pair{800, 600}, {1024, 768}, {1280, 1024}, {1000, 780}}) {
        const TPictureShare share = FullScreenShare(size.first, size.second);
        EXPECT_EQ(share.across, 1) << size.first << "x" << size.second << " shows the whole picture";
        EXPECT_EQ(share.down, 1) << size.first << "x" << size.second;
    }
    const TPictureShare wide = FullScreenShare(1600, 900);
    EXPECT_EQ(wide.across, 1);
    EXPECT_FLOAT_EQ(wide.down, 0.75f) << "1600 x 1200 of picture, its middle 900 rows shown";
    const TPictureShare tall = FullScreenShare(600, 800);
    EXPECT_FLOAT_EQ(tall.across, 0.6f) << "a 5:4 picture 1000 wide, its middle 600 columns shown";
    EXPECT_EQ(tall.down, 1);
    const TPictureShare none = FullScreenShare(0, 0);
    EXPECT_EQ(none.across, 1) << "a minimised window divides by nothing";
    EXPECT_EQ(none.down, 1);
}
