// Glows drifting with the road.
#include "resources/Glow.h"

#include <gtest/gtest.h>

namespace {

TVector4 At(float x) {
    return {x, 0, 0, 1};
}

std::vector<float> Xs(const TFakeLightControl& lights) {
    std::vector<float> xs;
    for (const TGlow& glow : lights.Glows())
        xs.push_back(glow.position.x);
    return xs;
}

TEST(GlowTest, OnlyRoadGlowsDrift) {
    TFakeLightControl lights;
    lights.Add(100, At(0), true, {}, 1);
    lights.Add(100, At(5), false, {}, 1);
    lights.Drift({0.5f, 2, 0, 0});
    EXPECT_EQ(Xs(lights), (std::vector<float>{0.5f, 5}));
    EXPECT_EQ(lights.Glows()[0].position.y, 2);
    EXPECT_EQ(lights.Glows()[1].position.y, 0);
}

} // namespace
