// The scene light's GL state.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include "world/Lights.h"

namespace {

class LightsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gl_.Ok()) GTEST_SKIP() << "no display";
    }
    TGLContext gl_{64, 64};
};

} // namespace

TEST_F(LightsTest, SwitchOnLightsTheGlobalLightAndSwitchOffLeavesNoLightOn) {
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
