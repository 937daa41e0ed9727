// The extension loader under Mesa, which offers vertex buffers and ARB shader objects.
#include "resources/OGLExt.h"

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/GLContext.h"

TEST(OGLExt, LoadsVertexBuffersAndShaderObjects) {
    TGLContext gl;
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    platform::InitVideo();
    LoadGLExtensions();
    EXPECT_TRUE(oglext::VertexBuffersAvailable);
    EXPECT_TRUE(oglext::ShadersAvailable);
    ASSERT_NE(oglext::glGenBuffersARB, nullptr);
    ASSERT_NE(oglext::glBindBufferARB, nullptr);
    GLuint buffer = 0;
    oglext::glGenBuffersARB(1, &buffer);
    EXPECT_NE(buffer, 0u);
    EXPECT_NE(oglext::glActiveTextureARB, nullptr);
}
