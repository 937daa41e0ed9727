// The tally's phases: 0..5 fade the lines in, 6 counts the reward, 7 the time, 8 waits.
#include "menu/StageTally.h"

#include <cmath>

namespace {

constexpr int32_t PhaseLength[TStageTally::LastPhase] = {1000, 500, 1000, 500, 1000, 500, 2500, 1000};

} // namespace

float TStageTally::Fade() const {
    if (phase_ >= LastPhase) return 1;
    const float fade = static_cast<float>(timer_) / PhaseLength[phase_];
    return fade < 0 ? 0 : fade > 1 ? 1 : fade;
}

int32_t TStageTally::TakeWhole(double amount) {
    const double whole = std::floor(amount);
    carry_ += amount - whole;
    int32_t moved = static_cast<int32_t>(whole);
    if (carry_ >= 1) {
        const double carried = std::floor(carry_);
        moved += static_cast<int32_t>(carried);
        carry_ -= carried;
    }
    return moved;
}

void TStageTally::Advance(uint32_t step, bool skip, int32_t& reward, int32_t& score, int64_t& timeLeft) {
    timer_ += static_cast<int32_t>(step);
    if (phase_ == 6) {
        // Never more than is left: the last frame's rounding must not overshoot the reward.
        int32_t moved = TakeWhole(step * countRate_);
        if (moved > reward) moved = reward > 0 ? reward : 0;
        reward -= moved;
        score += moved;
    } else if (phase_ == 7) {
        // The carried fraction goes to the points only: the shown hundredths follow the
        // whole ticks and so run on evenly.
        const double amount = step * countRate_ / 10;
        countedTimePoints_ += TakeWhole(amount);
        timeTicks_ -= static_cast<int32_t>(std::floor(amount));
    }
    if (phase_ < LastPhase && (skip || timer_ >= PhaseLength[phase_])) Leave(reward, score, timeLeft);
}

void TStageTally::Leave(int32_t& reward, int32_t& score, int64_t& timeLeft) {
    switch (phase_) {
    case 5:
        countRate_ = reward / 2500.0;
        carry_ = 0;
        break;
    case 6:
        score += reward;
        reward = 0;
        countRate_ = timeLeft / 1000.0;
        carry_ = 0;
        break;
    case 7:
        score += static_cast<int32_t>(timeLeft / 10);
        countedTimePoints_ = 0;
        timeTicks_ = 0;
        timeLeft = 0;
        break;
    default: break;
    }
    phase_ += 1;
    timer_ = 0;
}
