// An off-screen picture with depth and stencil, drawn into at a resolution of its own and then
// laid over the window (the 3D scene at a render scale below 1). Its storage is the window's
// size, of which a drawing uses the lower left part: a new render scale then costs no new
// storage (fresh memory and its clearing would make the frame that changes the scale a slow one).
#pragma once

#include <cstdint>

#include <GL/gl.h>
#include <GL/glext.h>

class TRenderTarget {
public:
    TRenderTarget() = default;
    ~TRenderTarget();
    TRenderTarget(const TRenderTarget&) = delete;
    TRenderTarget& operator=(const TRenderTarget&) = delete;

    // The storage made or remade at width x height; drawing goes to the window. False when the
    // driver has no framebuffer objects or refuses them.
    bool Reserve(int width, int height);
    // Drawing goes to the reserved storage from now on, for a picture of width x height (no larger).
    void Bind(int width, int height);
    // Drawing goes to the window again, and the picture is laid over its viewport, filtered
    // linearly; GL state is kept.
    void DrawStretched(int x, int y, int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    void Release();
    // The picture's last column and row copied one pixel on, so that filtering at its edges sees
    // what it would at the edges of storage of its own size.
    void CopyEdges();
    // A program that only samples the picture: fixed-function texturing, which does the same,
    // keeps the driver off its fast path for a stretch.
    void MakeStretchProgram();

    uint32_t framebuffer_ = 0;
    uint32_t colour_ = 0;
    uint32_t depthStencil_ = 0;
    int storageWidth_ = 0;
    int storageHeight_ = 0;
    int width_ = 0;
    int height_ = 0;
    GLhandleARB stretch_ = 0; // none where the driver has no shaders
    bool stretchTried_ = false;
};
