// Shadow volumes built from a box: light-facing caps, cancelled interior edges, extrusion to just
// below the ground (where the shadow falls: MapRenderTest's stencil test).
#include "world/ShadowVolume.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/Matrix.h"
#include "world/BoxMesh.h"

namespace {

// The ground far below: the volume gets its full length of ten light vectors.
TShadowVolume BoxVolume(const TVector4& light, float groundZ = -1e9f) {
    const std::vector<TVector4> box = BoxMesh({-1, -1, 2}, {1, 1, 3});
    TShadowVolume volume;
    volume.AddMesh(box.data(), sizeof(TVector4), static_cast<int>(box.size()));
    volume.Build(light, groundZ);
    return volume;
}

// The extruded triangles follow the caps: (a, b, a'), (b, b', a') per silhouette edge.
std::vector<TVector4> SilhouetteStarts(const TShadowVolume& volume, size_t capVertices) {
    std::vector<TVector4> starts;
    for (size_t i = capVertices; i < volume.Volume().size(); i += 6)
        starts.push_back(volume.Volume()[i]);
    return starts;
}

} // namespace

TEST(ShadowVolumeTest, CapsFaceTheLightAndOnlyTheSilhouetteIsExtruded) {
    // Lit from above, the top and the four edge-on sides count as lit: 10 triangles; their
    // union's rim is the bottom square, four edges of two triangles each.
    EXPECT_EQ(BoxVolume({0, 0, 1, 0}).Volume().size(), (10 + 4 * 2) * 3u);

    const TVector4 light{0.3f, 0.2f, 1, 0};
    const TShadowVolume volume = BoxVolume(light);
    // Three lit faces and a hexagonal silhouette.
    ASSERT_EQ(volume.Volume().size(), (6 + 6 * 2) * 3u);
    // Caps are the source triangles reversed, so each still faces the light the same way.
    for (size_t i = 0; i < 18; i += 3) {
        const TVector4& a = volume.Volume()[i];
        const TVector4& b = volume.Volume()[i + 1];
        const TVector4& c = volume.Volume()[i + 2];
        EXPECT_LT(Dot(TriangleNormal(a, b, c), light), 0);
    }
    // No silhouette edge lies on the interior of the lit faces: none joins (1, 1, 3).
    for (const TVector4& start : SilhouetteStarts(volume, 18))
        EXPECT_FALSE(start.x == 1 && start.y == 1 && start.z == 3);
}

TEST(ShadowVolumeTest, VolumesEndJustBelowTheGround) {
    // The scene light as the game sets it: far away and not normalised.
    const TVector4 sun{900, -50, 700, 0};
    for (const TVector4& light : {TVector4{0, 0, 1, 0}, TVector4{0.3f, 0.2f, 1, 0}, sun}) {
        // Every pulled-away vertex lies below the ground, the highest one just kBelowGround below.
        const TShadowVolume volume = BoxVolume(light, 0.5f);
        float highest = -1e9f;
        for (const TVector4& v : volume.Volume())
            if (v.z < 0.5f) highest = std::max(highest, v.z);
        EXPECT_NEAR(highest, 0.5f - TShadowVolume::kBelowGround, 1e-3f) << light.x;
    }
    // A light at the horizon keeps the full length.
    EXPECT_NEAR(BoxVolume({1, 0, 0, 0}, 0).Volume().back().x, BoxVolume({1, 0, 0, 0}).Volume().back().x,
                1e-5);
}
