// A closed box as a triangle list, wound so that the game's face normal
// (cross(p3 - p1, p2 - p1)) points out of the box.
#pragma once

#include <vector>

#include "resources/Vector.h"

inline std::vector<TVector4> BoxMesh(TVector4 low, TVector4 high) {
    const float x0 = low.x, y0 = low.y, z0 = low.z, x1 = high.x, y1 = high.y, z1 = high.z;
    // Each quad anticlockwise seen from outside.
    const std::vector<std::vector<TVector4>> quads = {
        {{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}}, // top
        {{x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}}, // bottom
        {{x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}}, // +x
        {{x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}}, // -x
        {{x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}}, // +y
        {{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}}, // -y
    };
    std::vector<TVector4> triangles;
    for (const auto& q : quads)
        triangles.insert(triangles.end(), {q[0], q[2], q[1], q[0], q[3], q[2]});
    return triangles;
}
