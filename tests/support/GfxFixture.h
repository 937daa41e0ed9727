// A GL context with the resource services the drawing tests need: a scratch program
// directory with an empty archive, the texture library, the 2D output and collected message boxes.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/Globals.h"
#include "resources/OpenIL.h"
#include "resources/Out2D.h"
#include "resources/TextureLib.h"
#include "resources/Textures.h"
#include "support/GLContext.h"
#include "support/ImageBoxes.h"
#include "support/ScratchProgram.h"

class GfxTest : public ::testing::Test {
protected:
    static const std::vector<std::string>& Boxes() { return TImageBoxes::Texts(); }

    explicit GfxTest(int width = 64, int height = 64) : gl_(width, height) {}

    void SetUp() override {
        if (!gl_.Ok()) GTEST_SKIP() << "no display";
        static const bool initialised = (InitIL(), true);
        (void)initialised;
        PixelScaleX = 2.0f / gl_.Width();
        PixelScaleY = 2.0f / gl_.Height();
        Viewport = {0, 0, gl_.Width(), gl_.Height()};
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor4f(1, 1, 1, 1);
    }
    ~GfxTest() override {
        TextureLib = savedTextureLib_;
        Out2D = savedOut2D_;
    }

    std::string Put(const std::string& relative, const std::string& bytes) {
        return program_.Put(relative, bytes);
    }

    TGLContext gl_;
    TScratchProgram program_;
    TImageBoxes boxes_;
    TTextureLib textures_;
    TOut2D out_;

private:
    TTextureLib* savedTextureLib_ = std::exchange(TextureLib, &textures_);
    TOut2D* savedOut2D_ = std::exchange(Out2D, &out_);
};

// Red, green and blue of 0xRRGGBBAA pixels within `tolerance` each; the window may have
// no alpha channel, so alpha is not compared.
inline ::testing::AssertionResult ColourNear(uint32_t actual, uint32_t expected, int tolerance) {
    for (int shift = 8; shift < 32; shift += 8) {
        const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) {
            char text[64];
            std::snprintf(text, sizeof text, "%08X, expected %08X", actual, expected);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}
