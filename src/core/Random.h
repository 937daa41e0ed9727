// The game's random numbers: the gameplay's stream, seeded at start-up and again as each stage
// loads, and a stream of its own for what only shows (particles, sparks, explosion sprites), so
// that nothing drawn can change what the game does.
#pragma once

#include <cstdint>
#include <string>

// Both streams start from `seed`: a stage loaded with the same seed and played with the same
// inputs repeats.
void Randomize(uint64_t seed);
// A uniform integer in 0 .. n - 1 from the gameplay's stream; 0 when n <= 0.
int Random(int n);
// The same from the stream of what only shows.
int EffectRandom(int n);

// A new stage's seed, drawn from the gameplay's stream.
uint64_t DrawStageSeed();
// The gameplay stream's whole state, as text.
std::string RandomState();
