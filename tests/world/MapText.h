// Track block map text for tests and benchmarks: box brushes and entities in the level
// editor's format.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

struct TBrushText {
    int x0, y0, z0, x1, y1, z1; // map units
    std::string texture = "road";
    std::string numbers = "0 ] [ 0 -1 0 0 ] 0 1 1"; // u-offset ] [ v axis v-offset ] rotation scales
};

// Six faces, top and bottom first; each face names three corners of the box (the first,
// fourth and third of the face's outline, anticlockwise from outside), so that the
// game's normal cross(p3 - p1, p2 - p1) points outwards.
inline std::string BrushText(const TBrushText& b) {
    using P = std::array<int, 3>;
    const std::vector<std::array<P, 4>> quads = {
        {P{b.x0, b.y0, b.z1}, P{b.x1, b.y0, b.z1}, P{b.x1, b.y1, b.z1}, P{b.x0, b.y1, b.z1}},
        {P{b.x0, b.y0, b.z0}, P{b.x0, b.y1, b.z0}, P{b.x1, b.y1, b.z0}, P{b.x1, b.y0, b.z0}},
        {P{b.x1, b.y0, b.z0}, P{b.x1, b.y1, b.z0}, P{b.x1, b.y1, b.z1}, P{b.x1, b.y0, b.z1}},
        {P{b.x0, b.y0, b.z0}, P{b.x0, b.y0, b.z1}, P{b.x0, b.y1, b.z1}, P{b.x0, b.y1, b.z0}},
        {P{b.x0, b.y1, b.z0}, P{b.x0, b.y1, b.z1}, P{b.x1, b.y1, b.z1}, P{b.x1, b.y1, b.z0}},
        {P{b.x0, b.y0, b.z0}, P{b.x1, b.y0, b.z0}, P{b.x1, b.y0, b.z1}, P{b.x0, b.y0, b.z1}},
    };
    const auto point = [](const P& p) {
        return "( " + std::to_string(p[0]) + " " + std::to_string(p[1]) + " " + std::to_string(p[2]) + " ) ";
    };
    std::string text = "{\n";
    for (const auto& q : quads)
        text += point(q[0]) + point(q[3]) + point(q[2]) + b.texture + " [ 1 0 0 " + b.numbers + "\n";
    return text + "}\n";
}

inline std::string EntityText(const std::string& kind,
                              const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string text = "{\n\"classname\" \"" + kind + "\"\n";
    for (const auto& [key, value] : keys)
        text += "\"" + key + "\" \"" + value + "\"\n";
    return text + "}\n";
}

inline std::string MapText(const std::vector<TBrushText>& brushes, const std::string& entities = "") {
    std::string text = "// Game: Kestrova\n{\n\"classname\" \"worldspawn\"\n";
    for (const TBrushText& brush : brushes)
        text += BrushText(brush);
    return text + "}\n" + entities;
}
