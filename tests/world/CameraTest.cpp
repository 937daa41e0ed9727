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

// 60 at a standstill, widening towards 75 at top speed a little at a time; no top speed counts
// as standing still.
TEST_F(FieldOfViewTest, WidensGraduallyWithSpeedAndStaysDefinedWithoutATopSpeed) {
    EXPECT_EQ(FieldOfView, 60);
    AdaptFieldOfView(25, 100, 100);
    EXPECT_GT(FieldOfView, 60);
    EXPECT_LT(FieldOfView, 61);
    for (int i = 0; i < 300; ++i)
        AdaptFieldOfView(25, 100, 100);
    EXPECT_GT(FieldOfView, 69);
    for (int maxSpeed : {0, -5}) {
        AdaptFieldOfView(1000, 30, maxSpeed);
        EXPECT_TRUE(std::isfinite(FieldOfView));
    }
    EXPECT_LT(FieldOfView, 65) << "eased back as at a standstill";
}
