// The scene light's GL state and a shadow volume counted into a real stencil buffer.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include "world/BoxMesh.h"
#include "world/Lights.h"
#include "world/ShadowVolume.h"

namespace {

class LightsAndShadowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gl_.Ok()) GTEST_SKIP() << "no display";
    }
    int Stencil(int x, int y) const {
        uint8_t value = 0;
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, &value);
        return value;
    }
    TGLContext gl_{64, 64};
};

} // namespace

TEST_F(LightsAndShadowsTest, SwitchOnLightsTheGlobalLightAndSwitchOffLeavesNoLightOn) {
    TLightsControl lights;
    lights.SwitchOn();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(lights.EnabledLightCount(), 0);

    lights.SetGlobalLight({{900, -50, 700, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}});
    lights.SwitchOn();
    lights.SwitchOn();
    EXPECT_EQ(lights.EnabledLightCount(), 1);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    float diffuse[4] = {};
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(diffuse[0], 1);

    lights.SwitchOff();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_EQ(lights.EnabledLightCount(), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(LightsAndShadowsTest, BoxVolumeMarksItsShadowOnTheGroundAndNothingElse) {
    // Looking straight down on the ground plane z = 0, 1 pixel = 0.25 units, (0, 0) at the centre.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-8, 8, -8, 8, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glBegin(GL_QUADS);
    glVertex3f(-8, -8, 0);
    glVertex3f(8, -8, 0);
    glVertex3f(8, 8, 0);
    glVertex3f(-8, 8, 0);
    glEnd();

    // A box floating at z 2 .. 3 lit along (1, 0, 1): its shadow covers x -4 .. -1.
    const std::vector<TVector4> box = BoxMesh({-1, -1, 2}, {1, 1, 3});
    TShadowVolume volume;
    volume.AddMesh(box.data(), sizeof(TVector4), static_cast<int>(box.size()));
    volume.Build({1, 0, 1, 0});
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    volume.Draw();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glDisable(GL_STENCIL_TEST);
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const auto pixel = [](float world) { return static_cast<int>(32 + world * 4); };
    EXPECT_EQ(Stencil(pixel(-2.5f), pixel(0)), 1);
    EXPECT_EQ(Stencil(pixel(-3.8f), pixel(0.8f)), 1);
    EXPECT_EQ(Stencil(pixel(0), pixel(0)), 0);     // under the box, but lit
    EXPECT_EQ(Stencil(pixel(-5.5f), pixel(0)), 0); // behind the shadow
    EXPECT_EQ(Stencil(pixel(-2.5f), pixel(2)), 0); // beside it
}
