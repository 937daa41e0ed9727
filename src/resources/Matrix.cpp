// Vector, matrix and small formatting helpers shared by every part of the game.
#include "resources/Matrix.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

TVector4 MakeVector(float x, float y, float z) {
    return {x, y, z, 0};
}

TVector4 MakeVector4(float x, float y, float z, float w) {
    return {x, y, z, w};
}

TVector4 Add(const TVector4& a, const TVector4& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z, a.w};
}

TVector4 Subtract(const TVector4& a, const TVector4& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z, a.w};
}

TVector4 Scale(const TVector4& a, float s) {
    return {a.x * s, a.y * s, a.z * s, a.w};
}

float Dot(const TVector4& a, const TVector4& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

TVector4 Cross(const TVector4& a, const TVector4& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x, 0};
}

float Length(const TVector4& a) {
    return std::sqrt(Dot(a, a));
}

TVector4 Normalise(const TVector4& a) {
    const float length = Length(a);
    if (length == 0) return {0, 0, 0, a.w};
    return Scale(a, 1 / length);
}

float Distance(const TVector4& a, const TVector4& b) {
    return Length(Subtract(b, a));
}

bool SamePosition(const TVector4& a, const TVector4& b) {
    return std::fabs(a.x - b.x) < 1e-7f && std::fabs(a.y - b.y) < 1e-7f && std::fabs(a.z - b.z) < 1e-7f;
}

TVector4 TriangleNormal(const TVector4& a, const TVector4& b, const TVector4& c) {
    return Normalise(Cross(Subtract(c, a), Subtract(b, a)));
}

float PlaneDistance(const TVector4& n, const TVector4& p, const TVector4& q) {
    return -Dot(Subtract(q, p), n);
}

float Angle(const TVector4& a, const TVector4& b) {
    const float lengths = Length(a) * Length(b);
    if (lengths == 0) return 0;
    // Rounding can push the cosine of parallel vectors just past 1.
    return std::acos(std::clamp(Dot(a, b) / lengths, -1.0f, 1.0f));
}

TMatrix Identity() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

TMatrix RotationMatrix(const TVector4& rotation, const TVector4& position) {
    const float cx = std::cos(rotation.x), sx = std::sin(rotation.x);
    const float cy = std::cos(rotation.y), sy = std::sin(rotation.y);
    const float cz = std::cos(rotation.z), sz = std::sin(rotation.z);
    return {cy * cz,
            cy * sz,
            -sy,
            0,
            sx * sy * cz - cx * sz,
            sx * sy * sz + cx * cz,
            sx * cy,
            0,
            cx * sy * cz + sx * sz,
            cx * sy * sz - sx * cz,
            cx * cy,
            0,
            position.x,
            position.y,
            position.z,
            1};
}

TVector4 DirectionFromAngles(const TVector4& angles) {
    return TransformVector(RotationMatrix(angles), {0, -1, 0, 0});
}

TMatrix MatrixProduct(const TMatrix& a, const TMatrix& b) {
    TMatrix result{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a[k * 4 + row] * b[column * 4 + k];
            result[column * 4 + row] = sum;
        }
    return result;
}

TMatrix AffineProduct(const TMatrix& a, const TMatrix& b) {
    TMatrix result{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row) {
            float sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += a[k * 4 + row] * b[column * 4 + k];
            result[column * 4 + row] = sum;
        }
    for (int row = 0; row < 3; ++row)
        result[12 + row] += a[12 + row];
    result[15] = 1;
    return result;
}

TVector4 TransformVector(const TMatrix& m, const TVector4& v) {
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12] * v.w,
            m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13] * v.w,
            m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14] * v.w,
            m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15] * v.w};
}

TVector4 ProjectPoint(const TMatrix& projection, const TMatrix& modelview, const TVector4& p) {
    TVector4 result = TransformVector(MatrixProduct(projection, modelview), {p.x, p.y, p.z, 1});
    if (result.w != 0) {
        result.x /= result.w;
        result.y /= result.w;
        result.z /= result.w;
    }
    result.w = 1;
    return result;
}

TVector4 ProjectToScreen(const TVector4& p) {
    TMatrix projection, modelview;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    return ProjectPoint(projection, modelview, p);
}

void TBox::Add(const TVector4& p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z), 0};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z), 0};
}

bool OutsideView(const TMatrix& projection, const TMatrix& modelview, const TBox& box) {
    // The renderer clips at -w <= x, y, z <= w; a box whose corners all lie beyond one of these
    // six planes holds nothing that survives the clipping.
    constexpr float kSlack = 1e-3f;
    const TMatrix m = MatrixProduct(projection, modelview);
    const TVector4 &low = box.low, &high = box.high;
    unsigned beyondAll = low.x <= high.x ? 0x3f : 0;
    for (int corner = 0; corner < 8 && beyondAll != 0; ++corner) {
        const TVector4 c = TransformVector(m, {corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y,
                                               corner & 4 ? high.z : low.z, 1});
        unsigned beyond = 0;
        int side = 0;
        for (const float v : {c.x, c.y, c.z}) {
            const float slack = kSlack * (std::fabs(v) + std::fabs(c.w));
            if (-v - c.w > slack) beyond |= 1u << side;
            if (v - c.w > slack) beyond |= 2u << side;
            side += 2;
        }
        beyondAll &= beyond;
    }
    return beyondAll != 0;
}

bool OutsideCurrentView(const TBox& box) {
    TMatrix projection, modelview;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    return OutsideView(projection, modelview, box);
}

std::string TwoDigits(int n) {
    std::string text = std::to_string(n);
    if (text.size() == 1) text.insert(0, "0");
    return text;
}
