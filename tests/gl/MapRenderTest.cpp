// Track blocks drawn into a real GL context: whole-unit offsets, lights around the geometry,
// and object shadows in the stencil buffer.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include "world/BlockFiles.h"
#include "world/BoxMesh.h"
#include "world/EnumNames.h"
#include "world/Lights.h"
#include "world/ShadowVolume.h"

namespace {

class MapRenderTest : public TBlockFilesTest {
protected:
    void SetUp() override {
        TBlockFilesTest::SetUp();
        if (!gl_.Ok()) GTEST_SKIP() << "no display";
        savedLights_ = LightsControl;
        LightsControl = &lights_;
        // Looking down on x -16 .. 16, y -56 .. -24: 4 pixels a unit.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-16, 16, -56, -24, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClearStencil(0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glColor4f(1, 1, 1, 1);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    void TearDown() override {
        if (gl_.Ok()) {
            LightsControl = savedLights_;
        }
        TBlockFilesTest::TearDown();
    }
    uint32_t PixelAt(float x, float y) const {
        return gl_.Pixel(static_cast<int>((x + 16) * 4), static_cast<int>((y + 56) * 4));
    }
    // A crate model: a closed box x, y -1 .. 1, z 2 .. 3.
    void WriteCrate() {
        std::vector<std::string> triangles;
        const std::vector<TVector4> box = BoxMesh({-1, -1, 2}, {1, 1, 3});
        for (size_t i = 0; i < box.size(); i += 3) {
            triangles.push_back("wood.tga");
            for (size_t k = i; k < i + 3; ++k)
                triangles.push_back("0 " + std::to_string(box[k].x) + " " + std::to_string(box[k].y) + " " +
                                    std::to_string(box[k].z) + " 0 0 1 0 0");
        }
        Write("Data/Objects/crate.smd",
              Mesh({"nodes", "0 root -1", "end"}, {"time 0", "0 0 0 0 0 0 0"}, triangles));
        Write("Data/Objects/crate.hsa", CrLf({"crate.smd"}));
    }

    TGLContext gl_{128, 128};
    TLightsControl lights_;
    TLightsControl* savedLights_ = nullptr;
};

// Road surface map x -640 .. 640, y 0 .. 640: world x -12.5 .. 12.5, y -12.5 .. 0, top at z 0.
const TBrushText kSlab{-640, 0, -64, 640, 640, 0};

} // namespace

TEST_F(MapRenderTest, BlockIsMovedByWholeUnitsTowardZero) {
    TMapController block(blockTextures_);
    block.Load(WriteBlock("block", MapText({kSlab})));
    block.RenderGround({0, -39.7f, 0, 0});
    block.RenderObjects(false, {0, -39.7f, 0, 0}, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // Drawn at y -51.5 .. -39, not -52.5 .. -40.
    EXPECT_EQ(PixelAt(0, -39.3f), kWhite);
    EXPECT_EQ(PixelAt(0, -51.8f), kBlack);
    EXPECT_EQ(PixelAt(0, -45), kWhite);
    EXPECT_EQ(PixelAt(13, -45), kBlack);
    EXPECT_EQ(blockTextures_.bound, std::vector<int>{1});
    // The geometry is drawn unlit and its hidden faces culled (the slab's top still shows);
    // the objects after it lit, with every face.
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
}

TEST_F(MapRenderTest, ObjectShadowIsBuiltOnceAndCountedIntoTheStencil) {
    WriteCrate();
    TMapController block(blockTextures_);
    // The crate stands mid-block (world y -6.25), turned a quarter by its angles.
    block.Load(WriteBlock("block", MapText({kSlab}, EntityText("OBJECT_SIMPLE", {{"Model", "crate"},
                                                                                 {"origin", "0 320 0"},
                                                                                 {"angles", "0 180 0"}}))));
    lights_.SetGlobalLight({{1, 0, 1, 0}, {}, {1, 1, 1, 1}, {}});
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    block.RenderGround({0, -40, 0, 0});
    block.RenderObjects(false, {0, -40, 0, 0}, 0);
    lights_.SwitchOff();

    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_STENCIL_TEST);
    glClearStencil(TShadowVolume::kStencilZero);
    glClear(GL_STENCIL_BUFFER_BIT);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    block.RenderObjects(true, {0, -40, 0, 0}, 0);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glDisable(GL_STENCIL_TEST);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const auto stencil = [&](float x, float y) {
        uint8_t value = 0;
        glReadPixels(static_cast<int>((x + 16) * 4), static_cast<int>((y + 56) * 4), 1, 1, GL_STENCIL_INDEX,
                     GL_UNSIGNED_BYTE, &value);
        return value - TShadowVolume::kStencilZero;
    };
    // The light comes from +x in the world whatever the crate's heading: shadow at x -4 .. -1.
    EXPECT_EQ(stencil(-2.5f, -46.25f), 1);
    EXPECT_EQ(stencil(-3.8f, -45.5f), 1);
    EXPECT_EQ(stencil(0, -46.25f), 0);     // under the crate, but lit
    EXPECT_EQ(stencil(-5.5f, -46.25f), 0); // behind the shadow
    EXPECT_EQ(stencil(2.5f, -46.25f), 0);
    EXPECT_EQ(stencil(-2.5f, -48.5f), 0);
    const size_t built = block.Objects()[0].ShadowVolume().Volume().size();
    EXPECT_GT(built, 0u);
    block.RenderObjects(true, {0, -40, 0, 0}, 0);
    EXPECT_EQ(block.Objects()[0].ShadowVolume().Volume().size(), built);
}
