// Fog state in a real GL context. (Rain streaks and snow: the whole-program car-in-view run.)
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "support/GLContext.h"
#include "world/WeatherControl.h"

TEST(WeatherDrawTest, FogIsLinearWhateverItsDensityAndOnlyWhenEnabled) {
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
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    weather.RemoveFog();
    EXPECT_FALSE(glIsEnabled(GL_FOG));
}
