// The rescaling and halving of GLU's mipmap builder, with its arithmetic.
#include "resources/Mipmaps.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Where one pixel of the rescaled picture lies along a side of the original: from `low` to
// `high`, each a pixel and the share of it covered.
struct TSpan {
    int low;
    float lowShare;
    int high;
    float highShare;
};

// GLU's walk along a side: the edges advance by in / out, carried as a whole and a share (the
// share reaches 1 rather than 0). `clamp`: GLU keeps the rows' high edge inside the picture,
// which where the rows keep their count (in == out) zeroes the last row's weight.
std::vector<TSpan> Spans(int in, int out, bool clamp) {
    const float conv = float(in) / out;
    const int convWhole = static_cast<int>(std::floor(conv));
    const float convShare = conv - convWhole;
    std::vector<TSpan> spans(out);
    int low = 0, high = convWhole;
    float lowShare = 0, highShare = convShare;
    for (TSpan& span : spans) {
        if (clamp) high = std::min(high, in - 1);
        span = {low, lowShare, high, highShare};
        low = high;
        lowShare = highShare;
        high += convWhole;
        highShare += convShare;
        if (highShare > 1) {
            highShare -= 1;
            ++high;
        }
    }
    return spans;
}

// GLU's box filter, for sides at most half as large again or three quarters as small (what
// NearestPowerOfTwo gives). Its sums are single precision, added in this very order: another
// order or precision moves a byte here and there.
template <int C> void ScaleInto(const TImage& image, TImage& scaled) {
    const std::vector<TSpan> columns = Spans(image.width, scaled.width, false);
    const std::vector<TSpan> rows = Spans(image.height, scaled.height, true);
    const float area = (float(image.width) / scaled.width) * (float(image.height) / scaled.height);
    const size_t stride = size_t(image.width) * C;
    // An edge that ends exactly on the picture's right side reads one pixel further with
    // weight 0; any pixel does for that one.
    const auto at = [&image, stride](int x, int y) {
        return image.pixels.data() + y * stride + size_t(std::min(x, image.width - 1)) * C;
    };
    uint8_t* out = scaled.pixels.data();
    for (const TSpan& y : rows) {
        for (const TSpan& x : columns) {
            float totals[C] = {};
            const auto add = [&totals](const uint8_t* pixel, float weight) {
                for (int k = 0; k < C; ++k) totals[k] += pixel[k] * weight;
            };
            if (y.high > y.low && x.high > x.low) {
                for (const auto& [row, yWeight] : {std::pair{y.low, 1 - y.lowShare}, std::pair{y.high, y.highShare}}) {
                    add(at(x.low, row), yWeight * (1 - x.lowShare));
                    for (int l = x.low + 1; l < x.high; ++l) add(at(l, row), yWeight);
                    add(at(x.high, row), yWeight * x.highShare);
                }
                for (int m = y.low + 1; m < y.high; ++m) {
                    const uint8_t* left = at(x.low, m);
                    const uint8_t* right = at(x.high, m);
                    for (int k = 0; k < C; ++k) totals[k] += left[k] * (1 - x.lowShare) + right[k] * x.highShare;
                }
            } else if (y.high > y.low) {
                const float xWeight = x.highShare - x.lowShare;
                add(at(x.low, y.low), (1 - y.lowShare) * xWeight);
                for (int m = y.low + 1; m < y.high; ++m) add(at(x.low, m), xWeight);
                add(at(x.low, y.high), xWeight * y.highShare);
            } else if (x.high > x.low) {
                const float yWeight = y.highShare - y.lowShare;
                add(at(x.low, y.low), (1 - x.lowShare) * yWeight);
                for (int l = x.low + 1; l < x.high; ++l) add(at(l, y.low), yWeight);
                add(at(x.high, y.low), yWeight * x.highShare);
            } else {
                add(at(x.low, y.low), (y.highShare - y.lowShare) * (x.highShare - x.lowShare));
            }
            for (int m = y.low + 1; m < y.high; ++m)
                for (int l = x.low + 1; l < x.high; ++l) add(at(l, m), 1.0f);
            for (int k = 0; k < C; ++k, ++out) *out = static_cast<uint8_t>(static_cast<int>(totals[k] / area));
        }
    }
}

TImage ScaleImage(const TImage& image, int width, int height) {
    TImage scaled{width, height, image.components, {}};
    scaled.pixels.resize(size_t(width) * height * image.components);
    if (image.components == 4)
        ScaleInto<4>(image, scaled);
    else
        ScaleInto<3>(image, scaled);
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
