// One track block as an editor map in the Valve 220 text format: brushes (convex six-sided
// solids) in the world entity, then point entities.
#include "BlockMap.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr double kMapPerWorld = 64 / 1.25;

std::string Point(const TVec3& world) {
    // Map x and y run opposite to the world's.
    return "( " + std::to_string(MapUnits(-world.x)) + " " + std::to_string(MapUnits(-world.y)) + " " +
           std::to_string(MapUnits(world.z)) + " )";
}

// Faces in the order the game's collision test relies on (bottom, top, then the four walls). Each
// names three corners, the middle one between the other two; the face's fourth corner is one the
// other faces name, which is how the game finds it.
constexpr int kFaces[6][3] = {{1, 3, 2}, {5, 4, 6}, {0, 4, 6}, {1, 3, 7}, {0, 4, 5}, {2, 3, 7}};
// Texture axes an editor shows close to the game's projection: floor-like, then wall-like faces.
constexpr const char* kAxes[6] = {"[ 1 0 0 0 ] [ 0 -1 0 0 ]", "[ 1 0 0 0 ] [ 0 -1 0 0 ]",
                                  "[ 0 1 0 0 ] [ 0 0 -1 0 ]", "[ 0 1 0 0 ] [ 0 0 -1 0 ]",
                                  "[ 1 0 0 0 ] [ 0 0 -1 0 ]", "[ 1 0 0 0 ] [ 0 0 -1 0 ]"};

} // namespace

int MapUnits(double world) {
    const long units = std::lround(world * kMapPerWorld);
    if (units < -5000 || units > 5000) throw std::runtime_error("map coordinate out of range");
    return static_cast<int>(units);
}

void TBlockMap::Brush(const std::array<TVec3, 8>& corners, const std::string& texture, double scale) {
    TVec3 centre;
    for (const TVec3& c : corners)
        centre = centre + c * 0.125;
    char tail[64];
    std::snprintf(tail, sizeof tail, " 0 %g %g", scale, scale);
    std::string text = "{\r\n";
    for (int f = 0; f < 6; ++f) {
        TVec3 a = corners[kFaces[f][0]], b = corners[kFaces[f][1]], c = corners[kFaces[f][2]];
        // The editor's rule: (a - b) x (c - b) points out of the solid (in map and world alike,
        // the mirroring of x and y being a half turn).
        if (Dot(Cross(a - b, c - b), (a + c) * 0.5 - centre) < 0) std::swap(a, c);
        text += Point(a) + " " + Point(b) + " " + Point(c) + " " + texture + " " + kAxes[f] + tail + "\r\n";
    }
    brushes_.push_back(text + "}\r\n");
}

void TBlockMap::Box(const TVec3& lo, const TVec3& hi, const std::string& texture, double scale) {
    std::array<TVec3, 8> corners;
    for (int i = 0; i < 8; ++i)
        corners[i] = {i & 1 ? hi.x : lo.x, i & 2 ? hi.y : lo.y, i & 4 ? hi.z : lo.z};
    Brush(corners, texture, scale);
}

void TBlockMap::Strip(double y0, double y1, double left0, double right0, double left1, double right1,
                      double z0, double z1, const std::string& texture, double scale) {
    std::array<TVec3, 8> corners;
    for (int i = 0; i < 8; ++i) {
        const bool far = i & 2;
        const double x = i & 1 ? (far ? right1 : right0) : (far ? left1 : left0);
        corners[i] = {x, far ? y1 : y0, i & 4 ? z1 : z0};
    }
    Brush(corners, texture, scale);
}

void TBlockMap::Entity(const std::string& className, const TKeyValues& keys, const TVec3& origin) {
    std::string text = "{\r\n\"classname\" \"" + className + "\"\r\n";
    for (const auto& [key, value] : keys)
        text += "\"" + key + "\" \"" + value + "\"\r\n";
    text += "\"origin\" \"" + std::to_string(MapUnits(-origin.x)) + " " +
            std::to_string(MapUnits(-origin.y)) + " " + std::to_string(MapUnits(origin.z)) + "\"\r\n";
    entities_.push_back(text + "}\r\n");
}

std::string TBlockMap::Text() const {
    std::string text =
        "// Game: Kestrova\r\n// Format: Valve\r\n// entity 0\r\n{\r\n\"classname\" \"worldspawn\"\r\n"
        "\"mapversion\" \"220\"\r\n";
    for (size_t i = 0; i < brushes_.size(); ++i)
        text += "// brush " + std::to_string(i) + "\r\n" + brushes_[i];
    text += "}\r\n";
    for (size_t i = 0; i < entities_.size(); ++i)
        text += "// entity " + std::to_string(i + 1) + "\r\n" + entities_[i];
    return text;
}
