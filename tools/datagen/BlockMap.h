// One track block as an editor map in the Valve 220 text format: brushes (convex six-sided
// solids) in the world entity, then point entities. Authored in world units, written in map
// units (world = map × 1.25 / 64, x and y mirrored).
#pragma once

#include "Mesh.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

using TKeyValues = std::vector<std::pair<std::string, std::string>>;

class TBlockMap {
public:
    // A solid of eight corners indexed by bits (x: 1, y: 2, z: 4) with planar faces, e.g. a box
    // or a strip that widens along y. `scale` is the texture's world units per repeat / 5.
    void Brush(const std::array<TVec3, 8>& corners, const std::string& texture, double scale = 1);
    void Box(const TVec3& lo, const TVec3& hi, const std::string& texture, double scale = 1);
    // A strip from y0 to y1 whose x extent goes from [left0, right0] to [left1, right1].
    void Strip(double y0, double y1, double left0, double right0, double left1, double right1, double z0,
               double z1, const std::string& texture, double scale = 1);
    // `origin` in world units becomes the map "origin" key, written last.
    void Entity(const std::string& className, const TKeyValues& keys, const TVec3& origin);

    std::string Text() const;

private:
    std::vector<std::string> brushes_;
    std::vector<std::string> entities_;
};

// World units to the whole map units the game's coordinate table holds (-5000 .. 5000).
int MapUnits(double world);
