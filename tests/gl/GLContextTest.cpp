#include "support/GLContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

TEST(GLContext, ClearsAndReadsBack) {
    TGLContext gl(64, 32);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(gl.Pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(gl.ReadPixels().size(), 64u * 32 * 4);
}
