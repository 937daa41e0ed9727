// The scaling and halving of GLU's mipmap builder, with its arithmetic. The box filter runs in
// two passes, down then across, one new row at a time: a pixel's weights are the product of its
// column's and its row's coverages, so two one-dimensional passes give the same mean as GLU's
// two-dimensional loop at a fraction of the cost.
#include "resources/Mipmaps.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct TCoverage {
    int first = 0; // the first old pixel covered
    std::vector<float> weights;
};

// How much of each old pixel the new pixel `index` of `to` covers, the old side being `from`.
TCoverage Cover(int index, int from, int to) {
    const double scale = static_cast<double>(from) / to;
    const double low = index * scale;
    const double high = (index + 1) * scale;
    TCoverage coverage;
    coverage.first = static_cast<int>(std::floor(low));
    for (int old = coverage.first; old < high && old < from; ++old)
        coverage.weights.push_back(static_cast<float>(std::min(high, old + 1.0) - std::max(low, double(old))));
    return coverage;
}

std::vector<TCoverage> CoverAll(int from, int to) {
    std::vector<TCoverage> all;
    all.reserve(to);
    for (int index = 0; index < to; ++index)
        all.push_back(Cover(index, from, to));
    return all;
}

} // namespace

int PowerOfTwoSide(int side) {
    int power = 1;
    for (unsigned value = static_cast<unsigned>(side); value > 1; value >>= 1) {
        if (value == 3) return power * 4;
        power *= 2;
    }
    return power;
}

TImage ScaleImage(const TImage& image, int width, int height) {
    const int c = image.components;
    const std::vector<TCoverage> columns = CoverAll(image.width, width);
    const std::vector<TCoverage> rows = CoverAll(image.height, height);
    const float area = static_cast<float>(image.width) / width * image.height / height;
    TImage scaled;
    scaled.width = width;
    scaled.height = height;
    scaled.components = c;
    scaled.pixels.resize(size_t(width) * height * c);
    const size_t rowSize = size_t(image.width) * c;
    std::vector<float> down(rowSize);
    for (int y = 0; y < height; ++y) {
        // Down: the old rows this new row covers, weighted.
        std::fill(down.begin(), down.end(), 0.0f);
        const TCoverage& row = rows[y];
        for (size_t i = 0; i < row.weights.size(); ++i) {
            const uint8_t* in = image.pixels.data() + (row.first + i) * rowSize;
            for (size_t j = 0; j < rowSize; ++j)
                down[j] += in[j] * row.weights[i];
        }
        // Across, then the mean over the area one new pixel covers.
        uint8_t* out = scaled.pixels.data() + size_t(y) * width * c;
        for (int x = 0; x < width; ++x) {
            const TCoverage& column = columns[x];
            for (int k = 0; k < c; ++k) {
                float sum = 0;
                for (size_t i = 0; i < column.weights.size(); ++i)
                    sum += down[(column.first + i) * c + k] * column.weights[i];
                out[x * c + k] = static_cast<uint8_t>(std::min(255.0f, sum / area));
            }
        }
    }
    return scaled;
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
    const int width = PowerOfTwoSide(image.width);
    const int height = PowerOfTwoSide(image.height);
    std::vector<TImage> levels;
    levels.push_back(width == image.width && height == image.height ? std::move(image)
                                                                      : ScaleImage(image, width, height));
    while (levels.back().width > 1 || levels.back().height > 1)
        levels.push_back(HalveImage(levels.back()));
    return levels;
}
