// Hills beside the blocks and the sets' horizons, with the cliff pictures of each set.
//
// The camera looks down the road from about 50 units up; at 21:9 and a 75 degree field of view the
// upper corners of the view reach the map's edge (97.66 units across) some 40 units up, so the
// hills climb to 52 there. The top of such a view reaches up to 270 units ahead of the camera,
// beyond the seventh block, which no block can carry ground to without every block drawing it
// under the next ones (a fifth more work a frame): the horizon picture stands there instead.
#include "Valley.h"

#include "Canvas.h"
#include "DataTree.h"
#include "Noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>

namespace {

// The hillside across (|x|) and its height above the foot; the last point is the map's edge.
struct TProfilePoint {
    double across, height;
};
constexpr TProfilePoint kProfile[] = {{kHillFoot, 0}, {kCliffFoot, 7}, {92, 24}, {5000 * 1.25 / 64, 52}};
constexpr double kBottom = -4;

struct TCliff {
    std::string texture;
    double scale;
};
const TCliff& CliffOf(const std::string& set) {
    static const std::map<std::string, TCliff> cliffs = {{"grass", {"cliff_forest", 4}},
                                                         {"city", {"cliff_facade", 6}},
                                                         {"desert", {"cliff_canyon", 4}},
                                                         {"winter", {"cliff_snow", 4}}};
    const auto found = cliffs.find(set);
    return found == cliffs.end() ? cliffs.at("desert") : found->second;
}

// A solid from across a0 to a1 (|x|, on `side`) and y0 to y1, its top rising from z0 to z1 across.
void Slab(TBlockMap& map, double side, double a0, double a1, double y0, double y1, double z0, double z1,
          const std::string& texture, double scale) {
    std::array<TVec3, 8> corners;
    for (int i = 0; i < 8; ++i) {
        // Corner bit 1 is the larger x, so the outer end on the left.
        const bool outer = (i & 1) == (side > 0);
        corners[i] = {side * (outer ? a1 : a0), i & 2 ? y1 : y0, i & 4 ? (outer ? z1 : z0) : kBottom};
    }
    map.Brush(corners, texture, scale);
}

// One hillside from y0 to y1: its gentle foot, its cliffs, or both.
void HillSide(TBlockMap& map, const std::string& set, double side, double y0, double y1, double foot,
              const std::string& footTexture, double footScale, bool withFoot, bool withCliffs) {
    const TCliff& cliff = CliffOf(set);
    for (size_t k = 1; k < std::size(kProfile); ++k) {
        const bool isFoot = k == 1;
        if (isFoot ? !withFoot : !withCliffs) continue;
        Slab(map, side, kProfile[k - 1].across, kProfile[k].across, y0, y1, foot + kProfile[k - 1].height,
             foot + kProfile[k].height, isFoot ? footTexture : cliff.texture, isFoot ? footScale : cliff.scale);
    }
}

} // namespace

void AddHills(TBlockMap& map, const std::string& set, double y0, double y1, double foot,
              const std::string& footTexture, double footScale, const TSideRoad& road) {
    for (double side : {-1.0, 1.0}) {
        if (side != road.side) {
            HillSide(map, set, side, y0, y1, foot, footTexture, footScale, true, true);
            continue;
        }
        // The foot stops either side of the side road, which runs on to the cliff and into it.
        HillSide(map, set, side, y0, y1, foot, footTexture, footScale, false, true);
        HillSide(map, set, side, y0, road.y0, foot, footTexture, footScale, true, false);
        HillSide(map, set, side, road.y1, y1, foot, footTexture, footScale, true, false);
        const double face = side * kCliffFoot, in = side * (kCliffFoot - 0.2);
        map.Box({std::min(face, in), road.y1 + 1, -0.01}, {std::max(face, in), road.y0 - 1, 6}, "tunnel");
    }
}

void GenerateValleyTextures(TDataTree& tree) {
    // The pictures run up the slope along their x axis (the game's projection of a face that
    // leans across the road) and along the road down their y axis. `n` is fine noise, `m` cells
    // of 16 pixels.
    const auto ground = [&](const std::string& name, uint64_t seed,
                            const std::function<TColour(double n, double m, int x, int y)>& shade) {
        TCanvas c(256, 256, false);
        const TNoise fine(8, seed), cells(16, seed + 1);
        c.Shade([&](int x, int y) {
            return shade(fine.Fractal(x / 32.0, y / 32.0, 5), cells.Value(x / 16.0, y / 16.0), x, y);
        });
        tree.Jpg("Data/Textures/" + name + ".jpg", c, 88);
    };
    ground("cliff_forest", 221, [](double n, double m, int, int) {
        // Tree crowns packed on the hillside, dark between them.
        const double crown = std::clamp((m - 0.35) * 2.5, 0.0, 1.0);
        return TColour{0.03, 0.08, 0.03}.Mix({0.14, 0.28, 0.10}, crown).Mix({0.26, 0.42, 0.17}, crown * n * 0.6);
    });
    ground("cliff_facade", 222, [](double n, double, int x, int y) {
        // Storeys up the wall, unlit windows along them.
        const bool window = x % 32 >= 8 && x % 32 < 26 && y % 32 >= 6 && y % 32 < 26;
        const TColour wall = TColour{0.50, 0.49, 0.50}.Mix({0.36, 0.36, 0.40}, n);
        return window ? TColour{0.16, 0.19, 0.25}.Mix({0.36, 0.42, 0.52}, (x % 32 - 8) / 24.0) : wall;
    });
    ground("cliff_canyon", 223, [](double n, double m, int x, int) {
        // Layered rock, broken into blocks.
        const double layers = 0.5 + 0.5 * std::sin(x * 0.15 + n * 5);
        return TColour{0.50, 0.27, 0.17}
            .Mix({0.74, 0.50, 0.32}, layers * 0.8)
            .Mix(palette::Black, n * 0.2 + (m < 0.3 ? 0.25 : 0));
    });
    ground("cliff_snow", 224, [](double n, double m, int, int y) {
        // Rock showing through snow where the noise and the slope's ribs leave it bare.
        const double ribs = std::sin(y * 0.12 + n * 4);
        const bool rock = m * 0.6 + n * 0.6 + 0.2 * ribs > 0.72;
        return rock ? TColour{0.34, 0.35, 0.40}.Mix(palette::Black, n * 0.3)
                    : TColour{0.82, 0.86, 0.93}.Mix(palette::White, n * 0.5);
    });
    ground("tunnel", 225,
           [](double n, double, int, int) { return TColour{0.02, 0.02, 0.03}.Mix({0.1, 0.1, 0.12}, n * 0.5); });

    // The horizons: the valley's far end across the map's width, from below the ground (the
    // bottom row) to above the hills: road in the middle, the verges' colour, the cliffs' at the
    // sides, fading into haze upwards. Only a thin band of it ever shows.
    struct THorizon {
        const char* set;
        TColour verge, cliff, road;
    };
    const TColour asphalt{0.20, 0.21, 0.25};
    for (const THorizon& h : {THorizon{"grass", {0.23, 0.36, 0.14}, {0.09, 0.19, 0.08}, asphalt},
                              THorizon{"city", {0.33, 0.32, 0.36}, {0.46, 0.46, 0.48}, asphalt},
                              THorizon{"desert", {0.77, 0.58, 0.37}, {0.62, 0.38, 0.24}, asphalt},
                              THorizon{"winter", {0.88, 0.91, 0.96}, {0.70, 0.72, 0.78}, {0.36, 0.38, 0.44}}}) {
        TCanvas c(256, 64, false);
        constexpr double kEdge = 5000 * 1.25 / 64;
        c.Shade([&](int x, int y) {
            const double across = std::abs((x + 0.5) / 256 * 2 - 1) * kEdge;
            const TColour ground = across < 10 ? h.road : across < kHillFoot ? h.verge : h.cliff;
            return ground.Mix(h.verge.Mix(palette::White, 0.4), std::max(0.0, 0.7 - y / 64.0));
        });
        tree.Png(std::string("Data/Maps/") + h.set + "/horizon.png", c);
    }
}
