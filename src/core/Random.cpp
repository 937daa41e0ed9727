// The game's random streams.
#include "core/Random.h"

#include <random>
#include <sstream>

namespace {

std::mt19937 gameplay;
std::mt19937 effects;

std::mt19937::result_type Folded(uint64_t seed) {
    return static_cast<std::mt19937::result_type>(seed ^ (seed >> 32));
}

int Draw(std::mt19937& stream, int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(stream);
}

} // namespace

void Randomize(uint64_t seed) {
    gameplay.seed(Folded(seed));
    effects.seed(Folded(~seed));
}

int Random(int n) {
    return Draw(gameplay, n);
}

int EffectRandom(int n) {
    return Draw(effects, n);
}

uint64_t DrawStageSeed() {
    return (static_cast<uint64_t>(gameplay()) << 32) | gameplay();
}

std::string RandomState() {
    std::ostringstream text;
    text << gameplay;
    return text.str();
}
