// Atlases of sixteen 64 × 64 material swatches in a 256 × 256 picture, for models whose parts are
// plain materials (people, props, roadside objects).
#include "Swatches.h"

#include "Canvas.h"
#include "Noise.h"

#include <cmath>

TUvRect Cell(int index) {
    return AtlasRect(index % 4 * 64 + 2, index / 4 * 64 + 2, 60, 60);
}

void CellOrigin(int index, double& x, double& y) {
    x = index % 4 * 64;
    y = index / 4 * 64;
}

void PaintCell(const TCanvas& c, int index, const TColour& base, double amount, uint64_t seed,
               double streaks) {
    double x0, y0;
    CellOrigin(index, x0, y0);
    const TNoise noise(8, seed), streak(32, seed + 1);
    cairo_surface_flush(c.Surface());
    unsigned char* data = c.Data();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            double k = 1 + amount * (noise.Fractal(x / 8.0, y / 8.0, 3) - 0.5) * 2;
            k += streaks * (streak.Value(x, y / 16.0) - 0.5) * 2;
            unsigned char* p = data + static_cast<int>(y0 + y) * c.Stride() + static_cast<int>(x0 + x) * 4;
            const double rgb[3] = {base.b, base.g, base.r};
            for (int i = 0; i < 3; ++i)
                p[i] = static_cast<unsigned char>(std::lround(std::clamp(rgb[i] * k, 0.0, 1.0) * 255));
            p[3] = 255;
        }
    cairo_surface_mark_dirty(c.Surface());
}
