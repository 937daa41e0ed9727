// The rescaling and halving of GLU's mipmap builder, with its arithmetic.
#include "resources/Mipmaps.h"

#include <algorithm>
#include <cmath>

namespace {

// GLU's box filter for sides at most half as large again or three quarters as small (what
// NearestPowerOfTwo gives). Its sums are single precision, added in this very order: another
// order or precision moves a byte here and there.
TImage ScaleImage(const TImage& image, int width, int height) {
    const int c = image.components;
    TImage scaled{width, height, c, {}};
    scaled.pixels.resize(size_t(width) * height * c);
    // An edge that ends exactly on the picture's right side reads one pixel further with
    // weight 0; any pixel does for that one.
    const auto at = [&image, c](int x, int y) {
        return image.pixels.data() + (size_t(y) * image.width + std::min(x, image.width - 1)) * c;
    };
    float totals[4];
    const auto add = [&totals, c](const uint8_t* pixel, float weight) {
        for (int k = 0; k < c; ++k) totals[k] += pixel[k] * weight;
    };
    const float convY = float(image.height) / height;
    const float convX = float(image.width) / width;
    const int convYInt = static_cast<int>(std::floor(convY));
    const float convYFrac = convY - convYInt;
    const int convXInt = static_cast<int>(std::floor(convX));
    const float convXFrac = convX - convXInt;
    const float area = convX * convY;

    uint8_t* out = scaled.pixels.data();
    int lowY = 0;
    float lowYFrac = 0;
    int highY = convYInt;
    float highYFrac = convYFrac;
    for (int i = 0; i < height; ++i) {
        // GLU's clamp: where the rows keep their count (convY 1) it zeroes the last row's weight.
        highY = std::min(highY, image.height - 1);
        int lowX = 0;
        float lowXFrac = 0;
        int highX = convXInt;
        float highXFrac = convXFrac;
        for (int j = 0; j < width; ++j, out += c) {
            std::fill(totals, totals + 4, 0.0f);
            if (highY > lowY && highX > lowX) {
                for (const auto [y, yWeight] : {std::pair{lowY, 1 - lowYFrac}, std::pair{highY, highYFrac}}) {
                    add(at(lowX, y), yWeight * (1 - lowXFrac));
                    for (int l = lowX + 1; l < highX; ++l) add(at(l, y), yWeight);
                    add(at(highX, y), yWeight * highXFrac);
                }
                for (int m = lowY + 1; m < highY; ++m) {
                    const uint8_t* left = at(lowX, m);
                    const uint8_t* right = at(highX, m);
                    for (int k = 0; k < c; ++k) totals[k] += left[k] * (1 - lowXFrac) + right[k] * highXFrac;
                }
            } else if (highY > lowY) {
                const float xWeight = highXFrac - lowXFrac;
                add(at(lowX, lowY), (1 - lowYFrac) * xWeight);
                for (int m = lowY + 1; m < highY; ++m) add(at(lowX, m), xWeight);
                add(at(lowX, highY), xWeight * highYFrac);
            } else if (highX > lowX) {
                const float yWeight = highYFrac - lowYFrac;
                add(at(lowX, lowY), (1 - lowXFrac) * yWeight);
                for (int l = lowX + 1; l < highX; ++l) add(at(l, lowY), yWeight);
                add(at(highX, lowY), yWeight * highXFrac);
            } else {
                add(at(lowX, lowY), (highYFrac - lowYFrac) * (highXFrac - lowXFrac));
            }
            for (int m = lowY + 1; m < highY; ++m)
                for (int l = lowX + 1; l < highX; ++l) add(at(l, m), 1.0f);
            for (int k = 0; k < c; ++k) out[k] = static_cast<uint8_t>(static_cast<int>(totals[k] / area));

            lowX = highX;
            lowXFrac = highXFrac;
            highX += convXInt;
            highXFrac += convXFrac;
            if (highXFrac > 1) {
                highXFrac -= 1;
                ++highX;
            }
        }
        lowY = highY;
        lowYFrac = highYFrac;
        highY += convYInt;
        highYFrac += convYFrac;
        if (highYFrac > 1) {
            highYFrac -= 1;
            ++highY;
        }
    }
    return scaled;
}

} // namespace

int NearestPowerOfTwo(int side) {
    int top = 1;
    while (top <= side / 2) top *= 2;
    return (side & (top >> 1)) ? top * 2 : top;
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
    const int width = NearestPowerOfTwo(image.width);
    const int height = NearestPowerOfTwo(image.height);
    std::vector<TImage> levels;
    levels.push_back(width == image.width && height == image.height ? std::move(image)
                                                                     : ScaleImage(image, width, height));
    while (levels.back().width > 1 || levels.back().height > 1)
        levels.push_back(HalveImage(levels.back()));
    return levels;
}
