// Tileable value noise for clouds, smoke and surfaces.
#pragma once

#include <cstdint>
#include <vector>

class TNoise {
public:
    // A lattice of `period` x `period` random values; the noise repeats every `period` units.
    TNoise(int period, uint64_t seed);
    // Smoothly interpolated value in [0, 1] at (x, y) in lattice units.
    double Value(double x, double y) const;
    // Sum of `octaves` layers, each of twice the frequency and `gain` times the amplitude; in [0, 1].
    double Fractal(double x, double y, int octaves, double gain = 0.5) const;

private:
    double Lattice(int x, int y) const;
    int period_;
    std::vector<double> values_;
};
