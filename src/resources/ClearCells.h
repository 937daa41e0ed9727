// The clear cells of a repeating picture: cells of kCell x kCell texels where a bilinear
// sample can only meet texels of alpha 0. A pass that drops clear texels need not cover them.
#pragma once

#include <cstdint>
#include <vector>

// A rectangle of texture space.
struct TTexRect {
    float s0, t0, s1, t1;
};

class TClearCells {
public:
    static constexpr int kCell = 8;

    TClearCells() = default;
    // `rgba`: the picture's texels, four bytes each, row by row. A picture that is not whole
    // cells each way has no clear cell.
    TClearCells(const std::vector<uint8_t>& rgba, int width, int height);

    // The parts of [s0, s1] x [t0, t1] (the picture repeating every unit) that are not clear:
    // each row of cells its runs of cells that are not.
    std::vector<TTexRect> Covered(float s0, float t0, float s1, float t1) const;

private:
    bool Clear(int column, int row) const; // only once cells were made

    int columns_ = 0;
    int rows_ = 0;
    std::vector<bool> clear_; // row by row
};
