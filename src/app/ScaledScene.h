// The 3D scene drawn at the render scale: straight into the window at scale 1 (the picture as
// it always was), else into an off-screen target of the scaled size that is then stretched over
// the window; the HUD, menus and pointer draw afterwards at the window's own size. A window
// made without depth (for a scale that was not 1 at start) gets the scene off-screen at scale 1
// as well, copied over it unscaled.
#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "app/RenderScale.h"
#include "resources/RenderTarget.h"
#include "world/Camera.h"

class TScaledScene {
public:
    // An automatic scale starts at `autoStart`.
    explicit TScaledScene(const TRenderScaleSetting& setting, float autoStart = 1)
        : setting_(setting), autoStart_(autoStart), scale_(setting, autoStart) {}

    // A setting changed since (on the Graphics page) starts over from it.
    void Follow(const TRenderScaleSetting& setting);

    // Calls `render` with the viewport to draw the scene in, then lays the result over `window`.
    void Draw(const TViewport& window, const std::function<void(const TViewport&)>& render);
    // Before the buffer swap: a frame that drew the scene tells the automatic scale its time,
    // from `frameStart` to all its drawing done.
    void FrameEnd(std::chrono::steady_clock::time_point frameStart);

    float Scale() const { return scale_.Scale(); }
    bool Automatic() const { return scale_.Automatic(); }
    // The size the scene was last drawn at.
    int Width() const { return drawn_.width; }
    int Height() const { return drawn_.height; }

private:
    TRenderScaleSetting setting_;
    float autoStart_;
    TRenderScale scale_;
    TRenderTarget target_;
    TViewport drawn_;
    std::optional<bool> windowDepth_; // asked on the first draw
    bool drawnThisFrame_ = false;
};
