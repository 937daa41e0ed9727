// The game's one random number generator, seeded once at start-up.
#pragma once

#include <cstdint>

void Randomize(uint64_t seed);
// A uniform integer in 0 .. n - 1; 0 when n <= 0.
int Random(int n);
