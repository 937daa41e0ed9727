// The nitro's motion blur: a pixel that was A in the previous frame and is B now shows
// 0.6 B + 0.4 A, and a frame after a reset is sharp.
#include "app/MotionBlur.h"
#include "support/GLContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void Fill(float r, float g, float b) {
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

void ExpectColour(uint32_t pixel, int r, int g, int b) {
    EXPECT_LE(std::abs(static_cast<int>(pixel >> 24) - r), 2) << std::hex << pixel;
    EXPECT_LE(std::abs(static_cast<int>((pixel >> 16) & 0xFF) - g), 2) << std::hex << pixel;
    EXPECT_LE(std::abs(static_cast<int>((pixel >> 8) & 0xFF) - b), 2) << std::hex << pixel;
}

TEST(MotionBlurTest, BlendsThePreviousFrameSixtyToForty) {
    TGLContext gl(64, 48);
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    TMotionBlur blur;
    // A = (255, 0, 255), B = (0, 0, 153): 0.6 B + 0.4 A = (102, 0, 194).
    Fill(1, 0, 1);
    blur.Apply(0, 0, 64, 48);
    ExpectColour(gl.Pixel(10, 10), 255, 0, 255); // the first blurred frame is sharp
    Fill(0, 0, 0.6f);
    blur.Apply(0, 0, 64, 48);
    ExpectColour(gl.Pixel(10, 10), 102, 0, 194);
    ExpectColour(gl.Pixel(63, 47), 102, 0, 194);

    // The blurred result is what the next frame blends with: 0.6 x 0 + 0.4 x (102, 0, 194).
    Fill(0, 0, 0);
    blur.Apply(0, 0, 64, 48);
    ExpectColour(gl.Pixel(30, 20), 41, 0, 78);

    blur.Reset();
    Fill(0, 1, 0);
    blur.Apply(0, 0, 64, 48);
    ExpectColour(gl.Pixel(30, 20), 0, 255, 0);
}

} // namespace
