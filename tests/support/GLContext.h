// A hidden window with an OpenGL compatibility context for tests that draw and read pixels.
#pragma once

#include <cstdint>
#include <vector>

// Pixels as TGLContext::Pixel gives them.
constexpr uint32_t kBlack = 0x000000FFu;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

class TGLContext {
public:
    // width x height client area, with depth and stencil buffers or none; skips the test
    // (GTEST_SKIP in the caller) when Ok() is false.
    TGLContext(int width = 256, int height = 256, bool withDepth = true);
    ~TGLContext();
    TGLContext(const TGLContext&) = delete;
    TGLContext& operator=(const TGLContext&) = delete;
    bool Ok() const { return context_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // RGBA bytes of the back buffer, bottom row first, as glReadPixels gives them.
    std::vector<uint8_t> ReadPixels() const;
    // RGBA of one pixel, (0, 0) the lower-left corner.
    uint32_t Pixel(int x, int y) const;

private:
    void* window_ = nullptr;
    void* context_ = nullptr;
    int width_;
    int height_;
};
