// Vector, matrix and small formatting helpers shared by every part of the game.
#pragma once

#include <array>
#include <string>

#include "resources/Vector.h"

// 4 x 4, column-major as OpenGL takes it: elements 12, 13, 14 are the translation.
using TMatrix = std::array<float, 16>;

// The axis-aligned box around the points added to it.
struct TBox {
    TVector4 low{kHuge, kHuge, kHuge, 0};
    TVector4 high{-kHuge, -kHuge, -kHuge, 0};
    void Add(const TVector4& p);

private:
    static constexpr float kHuge = 3e38f;
};

TVector4 MakeVector(float x, float y, float z);
TVector4 MakeVector4(float x, float y, float z, float w);

// These work on x, y, z; a result's w is taken from the first operand (0 for Cross).
TVector4 Add(const TVector4& a, const TVector4& b);
TVector4 Subtract(const TVector4& a, const TVector4& b);
TVector4 Scale(const TVector4& a, float s);
float Dot(const TVector4& a, const TVector4& b);
TVector4 Cross(const TVector4& a, const TVector4& b);
float Length(const TVector4& a);
// A zero vector stays zero rather than turning into NaNs.
TVector4 Normalise(const TVector4& a);
float Distance(const TVector4& a, const TVector4& b);
// x, y and z each within 1e-7 of the other's: the same vertex written twice.
bool SamePosition(const TVector4& a, const TVector4& b);
TVector4 TriangleNormal(const TVector4& a, const TVector4& b, const TVector4& c);
float PlaneDistance(const TVector4& n, const TVector4& p, const TVector4& q);
// Radians; 0 when either vector has no length.
float Angle(const TVector4& a, const TVector4& b);

TMatrix Identity();
// R = Rz(z) * Ry(y) * Rx(x) for a rotation in radians, with `position` as translation.
TMatrix RotationMatrix(const TVector4& rotation, const TVector4& position = {});
// The direction (0, -1, 0) turned by RotationMatrix(angles).
TVector4 DirectionFromAngles(const TVector4& angles);
// Full 4 x 4 product A * B.
TMatrix MatrixProduct(const TMatrix& a, const TMatrix& b);
// Product of two affine matrices as the skeleton hierarchy uses it: row 3 is (0, 0, 0, 1).
TMatrix AffineProduct(const TMatrix& a, const TMatrix& b);
// M * v with all four components of v.
TVector4 TransformVector(const TMatrix& m, const TVector4& v);
// (projection * modelview) * (p, 1), divided by w, with w set to 1.
TVector4 ProjectPoint(const TMatrix& projection, const TMatrix& modelview, const TVector4& p);
// ProjectPoint with the current OpenGL projection and modelview matrices.
TVector4 ProjectToScreen(const TVector4& p);
// Whether `box` lies wholly beyond one side of the view volume, so that nothing inside it can
// reach a pixel. Within rounding of a side it counts as inside, and so does an empty box.
bool OutsideView(const TMatrix& projection, const TMatrix& modelview, const TBox& box);
// OutsideView with the current OpenGL matrices: the box is in the frame the next draw uses.
bool OutsideCurrentView(const TBox& box);

// "7" -> "07"; longer texts unchanged.
std::string TwoDigits(int n);
