// The scene through the render scale.
#include "app/ScaledScene.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

void TScaledScene::Follow(const TRenderScaleSetting& setting) {
    if (setting == setting_) return;
    setting_ = setting;
    scale_ = TRenderScale(setting, autoStart_);
}

void TScaledScene::Draw(const TViewport& window, const std::function<void(const TViewport&)>& render) {
    drawnThisFrame_ = true;
    const float scale = scale_.Scale();
    drawn_ = window;
    if (!windowDepth_) {
        GLint bits = 0;
        glGetIntegerv(GL_DEPTH_BITS, &bits);
        windowDepth_ = bits > 0;
    }
    // A window without depth takes the scene off-screen at scale 1 too.
    const bool offScreen = scale < 1 || !*windowDepth_;
    // An automatic scale has the storage made before its first step down, whose frame would
    // otherwise pay for the fresh memory.
    const bool reserved = (offScreen || scale_.Automatic()) && target_.Reserve(window.width, window.height);
    if (offScreen && reserved) {
        const int width = std::max(1, static_cast<int>(std::lround(window.width * scale)));
        const int height = std::max(1, static_cast<int>(std::lround(window.height * scale)));
        target_.Bind(width, height);
        drawn_ = {0, 0, width, height};
        // Clears would otherwise cover the whole storage.
        glScissor(0, 0, width, height);
        glEnable(GL_SCISSOR_TEST);
        render(drawn_);
        glDisable(GL_SCISSOR_TEST);
        target_.DrawStretched(window.x, window.y, window.width, window.height);
        return;
    }
    render(window);
}

void TScaledScene::FrameEnd(std::chrono::steady_clock::time_point frameStart) {
    if (!drawnThisFrame_) return;
    drawnThisFrame_ = false;
    if (!scale_.Automatic()) return;
    // The drawing is done when the driver says so, not when the last call returns.
    glFinish();
    const auto spent = std::chrono::steady_clock::now() - frameStart;
    scale_.FrameDrawn(
        static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(spent).count()));
}
