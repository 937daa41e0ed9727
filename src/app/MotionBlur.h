// The nitro's motion blur: each frame is laid 60 : 40 over the one before, through a copy of
// the colour buffer in a texture (an accumulation buffer is missing, slow or wrong on too
// many drivers).
#pragma once

#include <cstdint>

class TMotionBlur {
public:
    TMotionBlur() = default;
    ~TMotionBlur();
    TMotionBlur(const TMotionBlur&) = delete;
    TMotionBlur& operator=(const TMotionBlur&) = delete;

    // After the scene of a blurred frame: blends the previous blurred frame over it at 40 %
    // and keeps the result for the next one. Needs the game's GL context.
    void Apply(int x, int y, int width, int height);
    // A frame without blur: the next blurred frame starts sharp.
    void Reset() { havePrevious_ = false; }

private:
    uint32_t texture_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool havePrevious_ = false;
};
