// Motion blur by a texture copy of the previous frame.
#include "app/MotionBlur.h"

#include <GL/gl.h>

#include "resources/Out2D.h"

namespace {

constexpr float kPreviousWeight = 0.4f;

} // namespace

TMotionBlur::~TMotionBlur() {
    if (texture_ != 0) glDeleteTextures(1, &texture_);
}

void TMotionBlur::Apply(int x, int y, int width, int height) {
    if (texture_ == 0) glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    if (width != width_ || height != height_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        width_ = width;
        height_ = height;
        havePrevious_ = false;
    }

    if (havePrevious_) {
        glViewport(x, y, width, height);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_FOG);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(1, 1, 1, kPreviousWeight);
        DrawTextureOverViewport();
        glColor4f(1, 1, 1, 1);
        glEnable(GL_DEPTH_TEST);
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x, y, width, height);
    havePrevious_ = true;
}
