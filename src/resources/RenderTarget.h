// An off-screen picture with depth and stencil, drawn into at a resolution of its own and then
// laid over the window (the 3D scene at a render scale below 1).
#pragma once

#include <cstdint>

class TRenderTarget {
public:
    TRenderTarget() = default;
    ~TRenderTarget();
    TRenderTarget(const TRenderTarget&) = delete;
    TRenderTarget& operator=(const TRenderTarget&) = delete;

    // Drawing goes to the target from now on, made or remade at width x height. False, with
    // drawing left on the window, when the driver has no framebuffer objects or refuses it.
    bool Bind(int width, int height);
    // Drawing goes to the window again.
    void Unbind();
    // The target's picture over the window's viewport, filtered linearly; GL state is kept.
    void DrawStretched(int x, int y, int width, int height) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void Release();

    uint32_t framebuffer_ = 0;
    uint32_t colour_ = 0;
    uint32_t depthStencil_ = 0;
    int width_ = 0;
    int height_ = 0;
};
