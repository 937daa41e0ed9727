// The scene at a render scale: at 1 it draws straight into the window, below 1 into the scaled
// part of a target that follows the window's size, stretched over all of it.
#include "app/ScaledScene.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "resources/OGLExt.h"
#include "support/GLContext.h"

namespace {

// A "scene": red on the left half of the viewport given, blue on the right.
void Halves(const TViewport& view) {
    glEnable(GL_SCISSOR_TEST);
    const int middle = view.width / 2;
    for (int half = 0; half < 2; ++half) {
        glScissor(view.x + half * middle, view.y, half == 0 ? middle : view.width - middle, view.height);
        glClearColor(half == 0 ? 1.0f : 0.0f, 0, half == 0 ? 0.0f : 1.0f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
}

struct TSeen {
    TViewport view;
    GLint framebuffer = -1;
};

TSeen DrawHalves(TScaledScene& scene, const TViewport& window) {
    TSeen seen;
    scene.Draw(window, [&](const TViewport& view) {
        seen.view = view;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &seen.framebuffer);
        Halves(view);
    });
    return seen;
}

} // namespace

TEST(ScaledScene, ScaleOneDrawsIntoTheWindowAndLowerScalesFollowItsSize) {
    TGLContext gl(80, 60);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    platform::InitVideo();
    LoadGLExtensions();
    ASSERT_TRUE(oglext::FramebuffersAvailable);

    TScaledScene full({false, 1});
    const TSeen straight = DrawHalves(full, {0, 0, 80, 60});
    EXPECT_EQ(straight.framebuffer, 0) << "no off-screen target at scale 1";
    EXPECT_EQ(straight.view.width, 80);
    const std::vector<uint8_t> direct = gl.ReadPixels();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    Halves({0, 0, 80, 60});
    EXPECT_EQ(gl.ReadPixels(), direct);

    TScaledScene half({false, 0.5f});
    for (const TViewport window : {TViewport{0, 0, 80, 60}, TViewport{0, 0, 50, 30}}) {
        glClearColor(0, 1, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        const TSeen scaled = DrawHalves(half, window);
        EXPECT_NE(scaled.framebuffer, 0);
        EXPECT_EQ(scaled.view.width, window.width / 2);
        EXPECT_EQ(scaled.view.height, window.height / 2);
        // Stretched over the whole window: red at its left edge, blue at its right, no green left.
        EXPECT_EQ(gl.Pixel(0, window.height - 1) >> 8, 0xFF0000u);
        EXPECT_EQ(gl.Pixel(window.width - 1, 0) >> 8, 0x0000FFu);
        GLint bound = -1;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
        EXPECT_EQ(bound, 0) << "the window is drawn into again afterwards";
    }
}

TEST(ScaledScene, AWindowWithoutDepthGetsTheSceneOffScreenAtScaleOneAndTheSamePicture) {
    TGLContext gl(80, 60, false);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    platform::InitVideo();
    LoadGLExtensions();
    ASSERT_TRUE(oglext::FramebuffersAvailable);
    Halves({0, 0, 80, 60});
    const std::vector<uint8_t> direct = gl.ReadPixels();

    TScaledScene full({false, 1});
    glClearColor(0, 1, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const TSeen seen = DrawHalves(full, {0, 0, 80, 60});
    EXPECT_NE(seen.framebuffer, 0) << "the scene's depth test needs the off-screen target";
    EXPECT_EQ(seen.view.width, 80);
    EXPECT_EQ(gl.ReadPixels(), direct);
}
