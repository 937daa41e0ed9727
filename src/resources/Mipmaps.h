// Mipmap levels of a picture built as GLU's gluBuild2DMipmaps builds them, to the byte, but
// without the GL context: on the decoding thread, so that GLU's work no longer holds up the
// main thread.
#pragma once

#include <vector>

#include "resources/Textures.h"

// The power of two GLU rounds a side to: down, unless the bit below the top one is set
// (768 becomes 1024, 767 becomes 512).
int NearestPowerOfTwo(int side);

// The next level of a picture larger than 1 x 1: the rounded mean of each 2 x 2 block, or of
// each pair (cut, not rounded) once a side is down to one pixel.
TImage HalveImage(const TImage& image);

// Every level of a picture, the first at its nearest power-of-two sides (GLU's box filter
// rescales it when they differ from its own), the last 1 x 1.
std::vector<TImage> BuildMipmaps(TImage image);
