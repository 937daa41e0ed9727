// A textured model, a posed (skinned) model and a sprite particle drawn into a real GL context land where
// expected.
#include "platform/Platform.h"
#include "resources/Effects.h"
#include "resources/HSAModel.h"
#include "resources/Matrix.h"
#include "resources/ModelFiles.h"
#include "resources/OGLExt.h"
#include "resources/Skeleton.h"
#include "resources/TextureLib.h"
#include "support/GLContext.h"
#include "support/ImageFiles.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

constexpr uint32_t kGreen = 0x00FF00FFu;

// Two triangles making a square of half-size 0.2 round (x, y) on `node`.
std::vector<std::string> Square(int node, float x, float y) {
    const auto corner = [&](float dx, float dy, int u, int v) {
        return std::to_string(node) + " " + std::to_string(x + dx) + " " + std::to_string(y + dy) +
               " 0 0 0 1 " + std::to_string(u) + " " + std::to_string(v);
    };
    return {"green.tga", corner(-0.2f, -0.2f, 0, 0), corner(0.2f, -0.2f, 1, 0), corner(0.2f, 0.2f, 1, 1),
            "green.tga", corner(-0.2f, -0.2f, 0, 0), corner(0.2f, 0.2f, 1, 1),  corner(-0.2f, 0.2f, 0, 1)};
}

class ModelDrawTest : public TModelFilesTest {
protected:
    void SetUp() override {
        TModelFilesTest::SetUp();
        if (!gl_.Ok()) GTEST_SKIP() << "no display";
        platform::InitVideo();
        LoadGLExtensions();
        savedTextureLib_ = TextureLib;
        TextureLib = &textureLib_;
        // 2 x 2 solid green.
        Write("green.tga",
              imagefiles::AsString(imagefiles::MakeTGA(2, 2, {0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0})));
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_TEXTURE_2D);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    void TearDown() override {
        if (gl_.Ok()) TextureLib = savedTextureLib_;
        TModelFilesTest::TearDown();
    }

    TGLContext gl_{64, 64};
    TTextureLib textureLib_;
    TTextureLib* savedTextureLib_ = nullptr;
};

TEST_F(ModelDrawTest, TexturedModelFromVertexBuffersAndFromClientMemory) {
    Write("square.smd",
          Mesh({"nodes", "0 root -1", "end"}, {"time 0", "0 0 0 0 0 0 0"}, Square(0, 0.5f, 0.5f)));
    const std::string descriptor = Write("square.hsa", CrLf({"square.smd"}));
    // Mesa offers vertex buffers: the extension loader must find them.
    ASSERT_TRUE(oglext::VertexBuffersAvailable);
    for (bool buffers : {true, false}) {
        SCOPED_TRACE(buffers ? "vertex buffers" : "client memory");
        const bool available = oglext::VertexBuffersAvailable;
        oglext::VertexBuffersAvailable = available && buffers;
        THSAModel model(LibraryTextures());
        model.Load(descriptor, false);
        glClear(GL_COLOR_BUFFER_BIT);
        model.Draw();
        oglext::VertexBuffersAvailable = available;
        EXPECT_EQ(model.CurrentActor().textureGroups[0].vertexBuffer != 0, available && buffers);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        // The square spans 0.3 .. 0.7 in both directions: pixels 41 .. 54.
        EXPECT_EQ(gl_.Pixel(48, 48), kGreen);
        EXPECT_EQ(gl_.Pixel(36, 48), kBlack);
        EXPECT_EQ(gl_.Pixel(16, 16), kBlack);
    }
}

TEST_F(ModelDrawTest, SkinnedModelIsDrawnWhereTheFramePutsItsBone) {
    // The arm stands at (0.5, 0.5) in the bind pose and at (-0.5, -0.5) in the animation.
    Write("arm.smd",
          Mesh(TwoNodes(), TwoNodeFrame(0, "0 0 0 0 0 0 0", "1 0.5 0.5 0 0 0 0"), Square(1, 0.5f, 0.5f)));
    Write("move.smd", CrLf(Join({{"version 1"},
                                 TwoNodes(),
                                 {"skeleton"},
                                 TwoNodeFrame(0, "0 0.3 0 0 0 0 0", "1 -0.5 -0.5 0 0 0 0"),
                                 {"end"}})));
    THSAModel model(LibraryTextures());
    model.Load(Write("arm.hsa", CrLf({"arm.smd", "move.smd", "10"})), true);

    Pose(model.CurrentActor(), model.CurrentActor().bindPose, 0);
    model.DrawSkinned();
    EXPECT_EQ(gl_.Pixel(48, 48), kGreen);

    glClear(GL_COLOR_BUFFER_BIT);
    Pose(model.CurrentActor(), *model.Animation(0), 0);
    model.DrawSkinned();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // The root's own move (0.3 along x) is discarded.
    EXPECT_EQ(gl_.Pixel(16, 16), kGreen);
    EXPECT_EQ(gl_.Pixel(48, 48), kBlack);
    EXPECT_EQ(gl_.Pixel(26, 16), kBlack);
}

TEST_F(ModelDrawTest, ParticleQuadFacesTheCameraAndRestoresState) {
    const TVector4 cameraAngles; // looking straight down the z axis
    TEffects effects(cameraAngles, LibraryTextures());
    const TSimpleEffect effect(LibraryTextures().Load(Path("green.tga")));
    effects.AddParticle(&effect, MakeVector(0.5f, 0.5f, 0), false, MakeVector4(1, 1, 1, 1), {}, 0.2f, 1000);
    effects.Update(10);
    effects.Render(MakeVector(0.5f, 0.5f, 30));
    EXPECT_EQ(gl_.Pixel(48, 48), kGreen);
    EXPECT_EQ(gl_.Pixel(16, 16), kBlack);
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_EQ(depthWrites, GL_TRUE);

    // Next to the eye it would fill the view (a snowflake passing the camera): it fades out.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClear(GL_COLOR_BUFFER_BIT);
    effects.Render(MakeVector(0.5f, 0.5f, 2));
    EXPECT_EQ(gl_.Pixel(48, 48), kBlack);
    glDisable(GL_BLEND);
}

// Seen from a tilted camera, the quad covers the pixels that the quad turned by the matrix would
// (looked at from the side, so that depth counts too).
TEST_F(ModelDrawTest, ParticleQuadTurnsAsTheMatrixWould) {
    const TVector4 cameraAngles = MakeVector(0, 50, 30);
    glPushMatrix();
    glRotatef(35, 0, 1, 0);
    TEffects effects(cameraAngles, LibraryTextures());
    const TSimpleEffect effect(LibraryTextures().Load(Path("green.tga")));
    effects.AddParticle(&effect, MakeVector(0.5f, 0.5f, 0), false, MakeVector4(1, 1, 1, 1), {}, 0.4f, 1000);
    effects.Update(10);
    effects.Render(MakeVector(0.5f, 0.5f, 30));
    const std::vector<uint8_t> turned = gl_.ReadPixels();

    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    glTranslatef(0.5f, 0.5f, 0);
    glRotatef(-cameraAngles.z, 0, 0, 1);
    glRotatef(-cameraAngles.y, 1, 0, 0);
    glBegin(GL_QUADS);
    for (const auto& [x, y] : {std::pair{-0.4f, -0.4f}, {0.4f, -0.4f}, {0.4f, 0.4f}, {-0.4f, 0.4f}})
        glVertex3f(x, y, 0);
    glEnd();
    glPopMatrix();
    glPopMatrix();
    const std::vector<uint8_t> reference = gl_.ReadPixels();

    int covered = 0, differing = 0;
    for (size_t i = 1; i < turned.size(); i += 4) {
        covered += reference[i] != 0;
        differing += (turned[i] != 0) != (reference[i] != 0);
    }
    EXPECT_GT(covered, 150);
    EXPECT_LE(differing, 2) << "of " << covered << " pixels";
}

} // namespace
