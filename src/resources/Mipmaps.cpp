// The halving of GLU's mipmap builder, with its integer arithmetic.
#include "resources/Mipmaps.h"

#include <algorithm>

bool IsPowerOfTwo(int side) {
    return side > 0 && (side & (side - 1)) == 0;
}

TImage HalveImage(const TImage& image) {
    const int c = image.components;
    TImage half;
    half.width = std::max(1, image.width / 2);
    half.height = std::max(1, image.height / 2);
    half.components = c;
    half.pixels.resize(size_t(half.width) * half.height * c);
    uint8_t* out = half.pixels.data();
    if (image.width == 1 || image.height == 1) {
        // One row or one column: each pair's mean.
        const uint8_t* in = image.pixels.data();
        for (size_t i = 0; i < half.pixels.size(); i += c, in += 2 * c)
            for (int k = 0; k < c; ++k)
                out[i + k] = static_cast<uint8_t>((in[k] + in[c + k]) / 2);
        return half;
    }
    const size_t stride = size_t(image.width) * c;
    for (int y = 0; y < half.height; ++y) {
        const uint8_t* top = image.pixels.data() + 2 * y * stride;
        const uint8_t* bottom = top + stride;
        for (int x = 0; x < half.width; ++x, top += 2 * c, bottom += 2 * c, out += c)
            for (int k = 0; k < c; ++k)
                out[k] = static_cast<uint8_t>((top[k] + top[c + k] + bottom[k] + bottom[c + k] + 2) / 4);
    }
    return half;
}

std::vector<TImage> BuildMipmaps(TImage image) {
    std::vector<TImage> levels;
    levels.push_back(std::move(image));
    while (levels.back().width > 1 || levels.back().height > 1)
        levels.push_back(HalveImage(levels.back()));
    return levels;
}
