#include "support/GLContext.h"
#include "world/Camera.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

TEST(CameraView, PerspectiveFromTheViewportAndEyeAtTheCameraPosition) {
    TGLContext gl(200, 150);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    ResetCamera();
    SetUpView({0, 0, 800, 600});

    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    const float f = 1 / std::tan(30 * M_PI / 180);
    EXPECT_NEAR(projection[5], f, 1e-5);
    EXPECT_NEAR(projection[5] / projection[0], 800.0f / 600, 1e-5) << "aspect of the viewport";
    EXPECT_NEAR(projection[10], -(500.0f + 1) / (500 - 1), 1e-5) << "near 1, far 500";

    // The eye point lands on the eye-space origin; a point straight ahead along -y sits in
    // front of the eye (negative eye z), since the heading turns the view round by 180 degrees.
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    auto eye = [&](float x, float y, float z, int row) {
        return modelview[row] * x + modelview[4 + row] * y + modelview[8 + row] * z + modelview[12 + row];
    };
    for (int row = 0; row < 3; ++row)
        EXPECT_NEAR(eye(-1, 78, 47, row), 0, 1e-3);
    EXPECT_LT(eye(-1, 68, 47, 2), 0);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
}
