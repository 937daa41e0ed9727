// Tileable value noise for clouds, smoke and surfaces.
#include "Noise.h"

#include "Random.h"

#include <cmath>

TNoise::TNoise(int period, uint64_t seed) : period_(period), values_(static_cast<size_t>(period) * period) {
    TRandom random(seed);
    for (double& v : values_)
        v = random.Unit();
}

double TNoise::Lattice(int x, int y) const {
    const int px = ((x % period_) + period_) % period_;
    const int py = ((y % period_) + period_) % period_;
    return values_[static_cast<size_t>(py) * period_ + px];
}

double TNoise::Value(double x, double y) const {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    auto smooth = [](double t) { return t * t * t * (t * (t * 6 - 15) + 10); };
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = Lattice(ix, iy) + (Lattice(ix + 1, iy) - Lattice(ix, iy)) * tx;
    const double b = Lattice(ix, iy + 1) + (Lattice(ix + 1, iy + 1) - Lattice(ix, iy + 1)) * tx;
    return a + (b - a) * ty;
}

double TNoise::Fractal(double x, double y, int octaves, double gain) const {
    double sum = 0, amplitude = 1, total = 0, scale = 1;
    for (int i = 0; i < octaves; ++i) {
        // Octaves at whole multiples of the base frequency keep the result tileable.
        sum += Value(x * scale, y * scale) * amplitude;
        total += amplitude;
        amplitude *= gain;
        scale *= 2;
    }
    return sum / total;
}
