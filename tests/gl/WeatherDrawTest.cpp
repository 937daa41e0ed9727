// Fog state in a real GL context. (Rain streaks and snow: the whole-program car-in-view run.)
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include "world/WeatherControl.h"

TEST(WeatherDrawTest, FogIsLinearFromOneToEightyOnlyWhenEnabled) {
    TGLContext gl(64, 64);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    TWeather weather{nullptr, nullptr};
    weather.ApplyFog();
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    weather.SetFog(true);
    weather.fogDensity = -0.5f;
    weather.ApplyFog();
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
    weather.RemoveFog();
    EXPECT_FALSE(glIsEnabled(GL_FOG));
}
