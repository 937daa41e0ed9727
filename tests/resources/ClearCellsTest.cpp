// A cell of the cloud picture is left out only where every bilinear sample inside it meets
// texels of alpha 0, across cell edges and round the repeat.
#include "resources/ClearCells.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSide = 4 * TClearCells::kCell; // four cells each way

bool Covers(const std::vector<TTexRect>& rects, float s, float t) {
    for (const TTexRect& r : rects)
        if (s >= r.s0 && s < r.s1 && t >= r.t0 && t < r.t1) return true;
    return false;
}

TEST(ClearCellsTest, CoveredWhereAFilteredSampleCanMeetAnOpaqueTexel) {
    // One opaque texel, the last of cell (3, 0): its filtering reaches cell (0, 0) round the
    // repeat and row 3 below row 0.
    std::vector<uint8_t> rgba(kSide * kSide * 4, 0);
    rgba[(kSide - 1) * 4 + 3] = 255;
    const TClearCells cells(rgba, kSide, kSide);
    const std::vector<TTexRect> rects = cells.Covered(0, 0, 1, 1);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(Covers(rects, (column + 0.5f) / 4, (row + 0.5f) / 4),
                      (row == 0 || row == 3) && (column == 3 || column == 0))
                << column << "," << row;
    // Asked across the repeat's edge, columns 3 and 0 make one run in each row, cut to the ask.
    for (const TTexRect& r : cells.Covered(0.5f, 0.5f, 1.1f, 1.5f)) {
        EXPECT_FLOAT_EQ(r.s0, 0.75f);
        EXPECT_FLOAT_EQ(r.s1, 1.1f);
    }
    // A picture that is not whole cells is covered whole.
    EXPECT_EQ(TClearCells(rgba, kSide - 1, kSide).Covered(0, 0, 1, 2).size(), 1u);
}

} // namespace
