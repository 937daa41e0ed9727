// The clear cells of a repeating picture.
#include "resources/ClearCells.h"

#include <algorithm>
#include <cmath>

namespace {

int Wrap(int i, int n) {
    return ((i % n) + n) % n;
}

} // namespace

TClearCells::TClearCells(const std::vector<uint8_t>& rgba, int width, int height) {
    if (width <= 0 || height <= 0 || width % kCell != 0 || height % kCell != 0 ||
        rgba.size() < static_cast<size_t>(width) * height * 4)
        return;
    columns_ = width / kCell;
    rows_ = height / kCell;
    clear_.assign(static_cast<size_t>(columns_) * rows_, true);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (rgba[(static_cast<size_t>(y) * width + x) * 4 + 3] == 0) continue;
            // Bilinear filtering reaches one texel past a cell's edge, round the repeat.
            for (int dy : {-1, 0, 1})
                for (int dx : {-1, 0, 1})
                    clear_[static_cast<size_t>(Wrap(y + dy, height) / kCell) * columns_ +
                           Wrap(x + dx, width) / kCell] = false;
        }
}

bool TClearCells::Clear(int column, int row) const {
    return clear_[static_cast<size_t>(Wrap(row, rows_)) * columns_ + Wrap(column, columns_)];
}

std::vector<TTexRect> TClearCells::Covered(float s0, float t0, float s1, float t1) const {
    if (clear_.empty()) return {{s0, t0, s1, t1}};
    std::vector<TTexRect> covered;
    const float cellS = 1.0f / columns_;
    const float cellT = 1.0f / rows_;
    const int firstRow = static_cast<int>(std::floor(t0 * rows_));
    const int endRow = static_cast<int>(std::ceil(t1 * rows_));
    const int firstColumn = static_cast<int>(std::floor(s0 * columns_));
    const int endColumn = static_cast<int>(std::ceil(s1 * columns_));
    for (int row = firstRow; row < endRow; ++row) {
        const float rowT0 = std::max(t0, row * cellT);
        const float rowT1 = std::min(t1, (row + 1) * cellT);
        int run = endColumn; // the first column of the open run, or none
        for (int column = firstColumn; column <= endColumn; ++column) {
            const bool covers = column < endColumn && !Clear(column, row);
            if (covers && run == endColumn) run = column;
            if (covers || run == endColumn) continue;
            covered.push_back({std::max(s0, run * cellS), rowT0, std::min(s1, column * cellS), rowT1});
            run = endColumn;
        }
    }
    return covered;
}
