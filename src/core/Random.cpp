// The game's one random number generator.
#include "core/Random.h"

#include <random>

namespace {
std::mt19937 generator;
}

void Randomize(uint64_t seed) {
    generator.seed(static_cast<std::mt19937::result_type>(seed ^ (seed >> 32)));
}

int Random(int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generator);
}
