// Degenerate vectors: the matrix helpers give zeros, never NaNs that would blank a whole frame.
#include "resources/Matrix.h"
#include "support/ExpectPoint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(MatrixTest, DegenerateVectorsGiveNoNaNs) {
    ExpectPoint(Normalise(MakeVector(0, 0, 0)), 0, 0, 0);
    EXPECT_EQ(Angle(MakeVector(0, 0, 0), MakeVector(1, 0, 0)), 0);
    EXPECT_FALSE(std::isnan(Angle(MakeVector(0.1f, 0.2f, 0.3f), MakeVector(0.1f, 0.2f, 0.3f))));
    ExpectPoint(TriangleNormal(MakeVector(0, 0, 0), MakeVector(1, 0, 0), MakeVector(2, 0, 0)), 0, 0, 0);
}

} // namespace
