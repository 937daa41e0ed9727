// Vector and matrix helpers checked against values worked out by hand.
#include "resources/Matrix.h"
#include "support/ExpectPoint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;

TEST(MatrixTest, VectorArithmetic) {
    const TVector4 a = MakeVector(1, 2, 3), b = MakeVector(4, -5, 6);
    ExpectPoint(Cross(a, b), 27, 6, -13);
    // Only x, y, z take part; w rides along from the first operand.
    EXPECT_FLOAT_EQ(Add(MakeVector4(1, 1, 1, 7), MakeVector4(1, 1, 1, 9)).w, 7);
}

TEST(MatrixTest, DegenerateVectorsGiveNoNaNs) {
    ExpectPoint(Normalise(MakeVector(0, 0, 0)), 0, 0, 0);
    EXPECT_EQ(Angle(MakeVector(0, 0, 0), MakeVector(1, 0, 0)), 0);
    EXPECT_FALSE(std::isnan(Angle(MakeVector(0.1f, 0.2f, 0.3f), MakeVector(0.1f, 0.2f, 0.3f))));
    ExpectPoint(TriangleNormal(MakeVector(0, 0, 0), MakeVector(1, 0, 0), MakeVector(2, 0, 0)), 0, 0, 0);
}

TEST(MatrixTest, TriangleNormalPlaneDistanceAndAngle) {
    // (c - a) x (b - a) with b on x and c on y points down.
    ExpectPoint(TriangleNormal(MakeVector(0, 0, 0), MakeVector(1, 0, 0), MakeVector(0, 1, 0)), 0, 0, -1);
    EXPECT_FLOAT_EQ(PlaneDistance(MakeVector(0, 0, 1), MakeVector(0, 0, 2), MakeVector(5, 5, 7)), -5);
    EXPECT_NEAR(Angle(MakeVector(1, 0, 0), MakeVector(0, 2, 0)), kPi / 2, 1e-6f);
    EXPECT_NEAR(Angle(MakeVector(1, 0, 0), MakeVector(-1, 0, 0)), kPi, 1e-6f);
}

TEST(MatrixTest, RotationMatrixColumnsAndTranslation) {
    // Quarter turn about z: x goes to y, y goes to -x.
    const TMatrix z = RotationMatrix(MakeVector(0, 0, kPi / 2), MakeVector(7, 8, 9));
    ExpectPoint(TransformVector(z, MakeVector4(1, 0, 0, 0)), 0, 1, 0);
    ExpectPoint(TransformVector(z, MakeVector4(0, 1, 0, 0)), -1, 0, 0);
    ExpectPoint(TransformVector(z, MakeVector4(0, 0, 0, 1)), 7, 8, 9);
    // x first, then z: (0, 1, 0) -> (0, 0, 1) -> stays on z.
    ExpectPoint(TransformVector(RotationMatrix(MakeVector(kPi / 2, 0, kPi / 2)), MakeVector(0, 1, 0)), 0, 0,
                1);
    // z after x: (1, 0, 0) is untouched by x, then goes to y.
    ExpectPoint(TransformVector(RotationMatrix(MakeVector(kPi / 2, 0, kPi / 2)), MakeVector(1, 0, 0)), 0, 1,
                0);
}

TEST(MatrixTest, ProductsAndTransform) {
    const TMatrix a = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const TMatrix b = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 1, 1, 1, 1};
    // Column j of A * B = A * (column j of B).
    const TMatrix ab = MatrixProduct(a, b);
    const TMatrix expected = {2, 4, 6, 8, 15, 18, 21, 24, 36, 40, 44, 48, 28, 32, 36, 40};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(ab[i], expected[i]) << i;

    // Affine product: translation = A's rotation * B's translation + A's translation.
    const TMatrix r = RotationMatrix(MakeVector(0, 0, kPi / 2), MakeVector(10, 0, 0));
    const TMatrix t = RotationMatrix(MakeVector(0, 0, 0), MakeVector(1, 0, 0));
    const TMatrix rt = AffineProduct(r, t);
    EXPECT_NEAR(rt[12], 10, 1e-5f);
    EXPECT_NEAR(rt[13], 1, 1e-5f);
    EXPECT_NEAR(rt[14], 0, 1e-5f);
    EXPECT_EQ(rt[3], 0);
    EXPECT_EQ(rt[15], 1);
}

TEST(MatrixTest, ProjectPointDividesByW) {
    TMatrix projection = Identity();
    projection[11] = -1; // w = -z, as a perspective projection does
    projection[15] = 0;
    const TVector4 p = ProjectPoint(projection, Identity(), MakeVector(2, 4, -2));
    ExpectPoint(p, 1, 2, -1);
    EXPECT_EQ(p.w, 1);
}

TEST(MatrixTest, TwoDigits) {
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(123), "123");
}

} // namespace
