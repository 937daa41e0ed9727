// Data\Textures: the ground the track blocks are built of (asphalt with lane lines, shoulders,
// grass, pavements, sand, snow, water, rock), 256 × 256 JPGs that tile seamlessly.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "Noise.h"

#include <cmath>
#include <functional>

namespace {

using TShader = std::function<TColour(double n, int x, int y)>;

// `shade` gets tileable fractal noise in [0, 1] and the pixel.
void Ground(TDataTree& tree, const std::string& name, uint64_t seed, const TShader& shade) {
    TCanvas c(256, 256, false);
    const TNoise noise(8, seed);
    c.Shade([&](int x, int y) { return shade(noise.Fractal(x / 32.0, y / 32.0, 5), x, y); });
    tree.Jpg("Data/Textures/" + name + ".jpg", c, 88);
}

TColour Speckled(const TColour& base, double n, double amount) {
    return base.Mix(n > 0.5 ? palette::White : palette::Black, std::abs(n - 0.5) * 2 * amount);
}

// Asphalt for one lane (5 units across, 5 along): the dashed line at its left edge marks the
// boundary between lanes; a block's outer edges get solid lines of their own.
TColour LaneAsphalt(double n, int x, int y, const TColour& dust) {
    TColour c = Speckled(palette::Asphalt.Mix(palette::SteelLight, 0.35), n, 0.25);
    c = c.Mix(dust, std::max(0.0, n - 0.55) * 1.2);
    const bool line = (x < 5 || x > 250) && y < 128;
    return line ? palette::Paper.Mix(c, 0.25) : c;
}

} // namespace

void GenerateTrackTextures(TDataTree& tree) {
    using namespace palette;
    Ground(tree, "road_lane", 201, [](double n, int x, int y) { return LaneAsphalt(n, x, y, SteelLight); });
    Ground(tree, "road_snow_lane", 202, [](double n, int x, int y) {
        return LaneAsphalt(n, x, y, {0.85, 0.88, 0.95});
    });
    Ground(tree, "road_plain", 203,
           [](double n, int, int) { return Speckled(Asphalt.Mix(SteelLight, 0.3), n, 0.4); });
    Ground(tree, "road_edge", 204, [](double n, int, int) { return Speckled(Paper, n, 0.15); });
    Ground(tree, "finish_line", 205,
           [](double n, int x, int y) { return Speckled((x / 64 + y / 64) % 2 ? Night : Paper, n, 0.1); });
    Ground(tree, "gravel", 206, [](double n, int, int) { return Speckled({0.45, 0.42, 0.38}, n, 0.7); });
    Ground(tree, "grass", 207, [](double n, int x, int y) {
        const double blades = 0.5 + 0.5 * std::sin(x * 0.9 + std::sin(y * 0.3) * 3);
        return TColour{0.16, 0.30, 0.12}.Mix({0.30, 0.42, 0.16}, n * 0.8 + blades * 0.15);
    });
    Ground(tree, "pavement", 208, [](double n, int x, int y) {
        const bool joint = x % 64 < 2 || y % 64 < 2;
        return Speckled(joint ? TColour{0.25, 0.25, 0.27} : TColour{0.46, 0.45, 0.47}, n, 0.25);
    });
    Ground(tree, "plaza", 209, [](double n, int x, int y) {
        const bool joint = x % 128 < 3 || y % 128 < 3;
        return Speckled(joint ? Steel : TColour{0.33, 0.32, 0.36}, n, 0.3);
    });
    Ground(tree, "sand", 210, [](double n, int x, int y) {
        const double ripple = 0.5 + 0.5 * std::sin((x + y * 0.3) * 0.2 + n * 6);
        return TColour{0.70, 0.52, 0.32}.Mix({0.85, 0.66, 0.42}, n * 0.7 + ripple * 0.2);
    });
    Ground(tree, "snow", 211, [](double n, int, int) {
        return TColour{0.80, 0.84, 0.92}.Mix(White, n * 0.6);
    });
    // Daylight water: blue with ripples and glints of the sky.
    Ground(tree, "water", 214, [](double n, int x, int) {
        return TColour{0.14, 0.33, 0.48}
            .Mix({0.26, 0.50, 0.64}, 0.5 + 0.5 * std::sin(x * 0.1 + n * 12))
            .Mix(White, n > 0.72 ? 0.35 : 0);
    });
    Ground(tree, "chasm", 215, [](double n, int, int y) {
        return TColour{0.30, 0.18, 0.12}.Mix(Night, 0.4 + 0.4 * n + 0.1 * std::sin(y * 0.2));
    });
    Ground(tree, "concrete", 216, [](double n, int, int) { return Speckled({0.52, 0.52, 0.50}, n, 0.3); });
}
