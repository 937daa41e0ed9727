// The field of view eased by the car's share of its top speed.
#include "world/Camera.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

class FieldOfViewTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCamera(); }
    void TearDown() override { ResetCamera(); }
};

} // namespace

// 60 at a standstill, eased towards 75 at top speed by at most 8 degrees a second, and left alone
// within 5 degrees of its target.
TEST_F(FieldOfViewTest, EasesTowardsTheSpeedsTargetEightDegreesASecond) {
    EXPECT_EQ(FieldOfView, 60);
    FieldOfView = 75;
    for (int i = 0; i < 40; ++i)
        AdaptFieldOfView(25, 0, 100);
    EXPECT_NEAR(FieldOfView, 67, 1e-3);
    for (int i = 0; i < 300; ++i)
        AdaptFieldOfView(25, 100, 100);
    EXPECT_GE(FieldOfView, 70.0f - 1e-4f);
    EXPECT_LT(FieldOfView, 70.2f + 1e-4f);
    const float before = FieldOfView;
    AdaptFieldOfView(25, 73, 100); // target 68: within 5 degrees, nothing moves
    EXPECT_EQ(FieldOfView, before);

    // No top speed counts as standing still.
    FieldOfView = 75;
    for (int maxSpeed : {0, -5}) {
        AdaptFieldOfView(1000, 30, maxSpeed);
        EXPECT_TRUE(std::isfinite(FieldOfView));
    }
    EXPECT_NEAR(FieldOfView, 59, 1e-4);
}
