// Fog state and rain streaks in a real GL context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "core/Random.h"
#include "resources/Matrix.h"
#include "support/GLContext.h"
#include "world/WeatherControl.h"

namespace {

class WeatherDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gl_.Ok()) GTEST_SKIP() << "no display";
        Randomize(3);
    }
    TGLContext gl_{64, 64};
    TWeather weather_{nullptr, nullptr};
};

} // namespace

TEST_F(WeatherDrawTest, FogIsLinearFromOneToEightyOnlyWhenEnabled) {
    weather_.ApplyFog();
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    weather_.SetFog(true);
    weather_.fogDensity = -0.5f;
    weather_.ApplyFog();
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    GLint mode = 0;
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_LINEAR);
    float start = 0, end = 0, colour[4] = {};
    glGetFloatv(GL_FOG_START, &start);
    glGetFloatv(GL_FOG_END, &end);
    glGetFloatv(GL_FOG_COLOR, colour);
    EXPECT_FLOAT_EQ(start, 1);
    EXPECT_FLOAT_EQ(end, 80);
    EXPECT_FLOAT_EQ(colour[0], 0.5f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    weather_.RemoveFog();
    EXPECT_FALSE(glIsEnabled(GL_FOG));
}

TEST_F(WeatherDrawTest, RainDrawsBlueStreaksAndSnowDrawsNothingItself) {
    weather_.SetKind(W_RAIN);
    weather_.Update(200000, 0); // the whole pool
    weather_.drift = {0, -50, 0, 0};
    weather_.Update(100, 0); // streaks 5 units long
    // Look down on the pool: x -20 .. 20, y -60 .. 20.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-20, 20, -60, 20, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    for (int kind : {W_SNOW, W_RAIN}) {
        glClear(GL_COLOR_BUFFER_BIT);
        weather_.SetKind(kind);
        weather_.Draw(MakeVector(0, -20, 1000)); // far above the pool
        int blue = 0;
        const std::vector<uint8_t> pixels = gl_.ReadPixels();
        for (size_t i = 0; i < pixels.size(); i += 4)
            if (pixels[i + 2] > 0 && pixels[i] == 0 && pixels[i + 1] == 0) ++blue;
        if (kind == W_RAIN)
            EXPECT_GT(blue, 100);
        else
            EXPECT_EQ(blue, 0);
    }
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
