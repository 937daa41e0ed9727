// Mipmap levels built as GLU's gluBuild2DMipmaps builds them, without the GL context: a
// picture is brought to power-of-two sides, then halved down to one pixel. Free of GL, they
// are built on the decoding thread, and GLU's own work no longer holds up the main thread.
#pragma once

#include <vector>

#include "resources/Textures.h"

// The power of two GLU gives a side: the two highest bits decide, so 600 -> 512, 768 -> 1024.
int PowerOfTwoSide(int side);

// `image` resampled to width x height by an area-weighted box filter: each new pixel is the mean
// of the old pixels it covers, in proportion to the area covered, cut to a whole level.
TImage ScaleImage(const TImage& image, int width, int height);

// The next level of a power-of-two picture larger than 1 x 1: the rounded mean of each 2 x 2
// block, or of each pair (cut, not rounded) once a side is down to one pixel.
TImage HalveImage(const TImage& image);

// Every level, the first at power-of-two sides, the last 1 x 1.
std::vector<TImage> BuildMipmaps(TImage image);
