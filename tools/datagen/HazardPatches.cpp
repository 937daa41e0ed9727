// The slippery patches of the hazard blocks, oil and ice: soft, irregular pools with a sheen,
// laid on the road as flat objects ("oil_patch", "ice_patch" under Data\Objects) over the blocks'
// no-control boxes. The help pages show the same pictures.
#include "HazardPatches.h"

#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "Mesh.h"
#include "ModelFiles.h"
#include "Noise.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The patch spans 13 x 13 units round its origin: the 10 x 10 box where the car slides lies
// within its solid part, and the edge fades out beyond it.
constexpr double kHalfSize = 6.5, kPatchZ = 0.03;

double SmoothStep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A rainbow film's colour for a phase in [0, 1).
TColour Film(double phase) {
    const double a = phase * 2 * M_PI;
    return {0.5 + 0.5 * std::cos(a), 0.5 + 0.5 * std::cos(a - 2.1), 0.5 + 0.5 * std::cos(a + 2.1)};
}

} // namespace

void PaintHazard(const TCanvas& c, THazard hazard) {
    const bool oil = hazard == THazard::Oil;
    const double size = c.Width();
    const TNoise edgeNoise(8, oil ? 301 : 302), surface(8, oil ? 303 : 304);
    c.Shade([&](int px, int py) {
        const double x = (px + 0.5) / size * 2 - 1, y = (py + 0.5) / size * 2 - 1;
        // A rounded square with a ragged rim: solid to about 0.78 of the half-size, gone by 1.
        const double d = std::pow(std::pow(std::abs(x), 4) + std::pow(std::abs(y), 4), 0.25);
        const double rim = 0.86 + 0.22 * (edgeNoise.Fractal(px / 24.0, py / 24.0, 4) - 0.5);
        const double cover = 1 - SmoothStep(rim - 0.1, rim + 0.06, d);
        const double n = surface.Fractal(px / 32.0, py / 32.0, 5);
        if (oil) {
            // Near-black and glossy, with a few soft swirls of rainbow film.
            const double swirl = surface.Fractal(px / 96.0, py / 96.0, 3);
            const double band = std::pow(std::max(0.0, std::sin(swirl * 30)), 16) * 0.55;
            const TColour base = TColour{0.05, 0.05, 0.06}.Mix(TColour{0.13, 0.12, 0.14}, n);
            return base.Mix(Film(swirl * 7 + n), band).WithAlpha(cover * 0.92);
        }
        // Pale blue, frosted towards the rim, with white cracks.
        const double crack = std::abs(std::sin(px * 0.07 + n * 11) * std::cos(py * 0.05 + n * 8));
        const TColour base =
            TColour{0.70, 0.86, 0.96}.Mix(palette::White, 0.25 + 0.5 * n + 0.4 * SmoothStep(0.5, 1, d));
        return base.Mix(palette::White, crack < 0.05 ? 0.8 : 0).WithAlpha(cover * 0.9);
    });
    // The sheen: soft streaks of light where the sky catches the surface.
    cairo_t* cr = c.Cr();
    TRandom random(oil ? 305 : 306);
    for (int k = 0; k < 4; ++k) {
        const double x = size * random.Range(0.3, 0.7), y = size * random.Range(0.3, 0.7);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -0.45);
        cairo_scale(cr, 1, 0.22);
        c.Glow(0, 0, size * random.Range(0.08, 0.16), palette::White.WithAlpha(oil ? 0.4 : 0.6));
        cairo_restore(cr);
    }
}

void GenerateHazardPatches(TDataTree& tree) {
    for (THazard hazard : {THazard::Oil, THazard::Ice}) {
        const std::string name = hazard == THazard::Oil ? "oil_patch" : "ice_patch";
        TCanvas picture(256, 256);
        PaintHazard(picture, hazard);
        tree.Png("Data/Objects/" + name + ".png", picture);
        // One square facing up: for such a lone face the shadow build finds no face towards the
        // light, so the patch casts no shadow.
        TMesh mesh;
        mesh.AddNode("root", -1, {});
        mesh.Use(name + ".png", 0);
        const double h = kHalfSize, z = kPatchZ;
        mesh.Polygon({{-h, -h, z}, {h, -h, z}, {h, h, z}, {-h, h, z}}, {0, 0, -1}, {}, {-h, -h, z},
                     {h, h, z});
        WriteModel(tree, "Data/Objects", name, mesh);
    }
}
