// Mipmap levels of a picture whose sides are powers of two, built as GLU's gluBuild2DMipmaps
// builds them, to the byte, but without the GL context: on the decoding thread, so that GLU's
// work no longer holds up the main thread. Other sides go to GLU itself, whose rescaling they
// need.
#pragma once

#include <vector>

#include "resources/Textures.h"

bool IsPowerOfTwo(int side);

// The next level of a picture larger than 1 x 1: the rounded mean of each 2 x 2 block, or of
// each pair (cut, not rounded) once a side is down to one pixel.
TImage HalveImage(const TImage& image);

// Every level of a picture with power-of-two sides, the picture itself first, the last 1 x 1.
std::vector<TImage> BuildMipmaps(TImage image);
