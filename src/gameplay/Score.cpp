// The score counter.
#include "gameplay/Score.h"

#include <cmath>
#include <cstdlib>

void TScore::Animate(int dt) {
    const int step = static_cast<int>(std::lround(dt * 2000.0 / 1000.0));
    const int gap = current_ - displayed_;
    if (std::abs(gap) <= step) {
        displayed_ = current_;
    } else {
        displayed_ += gap > 0 ? step : -step;
    }
}
