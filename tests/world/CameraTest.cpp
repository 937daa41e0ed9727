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

TEST_F(FieldOfViewTest, StartsAtSixtyDegrees) {
    EXPECT_EQ(FieldOfView, 60);
    AdaptFieldOfView(25, 0, 100);
    EXPECT_EQ(FieldOfView, 60) << "at standstill the target is 60";
}

TEST_F(FieldOfViewTest, ShrinksEightDegreesASecondAndStopsNearSixtyFive) {
    FieldOfView = 75;
    for (int i = 0; i < 40; ++i)
        AdaptFieldOfView(25, 0, 100);
    EXPECT_NEAR(FieldOfView, 67, 1e-3);
    for (int i = 0; i < 100; ++i)
        AdaptFieldOfView(25, 0, 100);
    EXPECT_LE(FieldOfView, 65.0f + 1e-4f);
    EXPECT_GT(FieldOfView, 64.8f - 1e-4f);
}

TEST_F(FieldOfViewTest, WidensTowardsSeventyFiveAtTopSpeed) {
    for (int i = 0; i < 200; ++i)
        AdaptFieldOfView(25, 100, 100);
    EXPECT_GE(FieldOfView, 70.0f - 1e-4f);
    EXPECT_LT(FieldOfView, 70.2f + 1e-4f);
    AdaptFieldOfView(0, 100, 100);
    const float before = FieldOfView;
    AdaptFieldOfView(25, 73, 100); // target 68: within 5 degrees, nothing moves
    EXPECT_EQ(FieldOfView, before);
}

TEST_F(FieldOfViewTest, NoTopSpeedCountsAsStandingStill) {
    FieldOfView = 75;
    for (int maxSpeed : {0, -5}) {
        AdaptFieldOfView(1000, 30, maxSpeed);
        EXPECT_TRUE(std::isfinite(FieldOfView));
    }
    EXPECT_NEAR(FieldOfView, 59, 1e-4);
}
