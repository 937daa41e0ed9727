// The stage-complete page's count-up: reward, then the time left, then the score, one
// phase after another; Escape skips a phase. Kept apart from drawing so its arithmetic can
// be run on its own.
#pragma once

#include <cstdint>

class TStageTally {
public:
    // Advances by `step` ms; `skip` ends the current phase at once. `reward` counts down into
    // `score` during phase 6; `timeLeft` is converted during phase 7.
    void Advance(uint32_t step, bool skip, int32_t& reward, int32_t& score, int64_t& timeLeft);
    void Restart() { phase_ = 0, timer_ = 0; }

    int Phase() const { return phase_; }
    int32_t Timer() const { return timer_; }
    // How far the current phase is, 0..1, for the texts fading in.
    float Fade() const;
    int32_t CountedTimePoints() const { return countedTimePoints_; }
    int32_t TimeTicks() const { return timeTicks_; }

    static constexpr int LastPhase = 8;

private:
    void Leave(int32_t& reward, int32_t& score, int64_t& timeLeft);
    // Moves the integer part of `amount` plus the carried fraction; returns what moved.
    int32_t TakeWhole(double amount);

    int phase_ = 0;
    int32_t timer_ = 0;
    double countRate_ = 0;
    double carry_ = 0;
    int32_t countedTimePoints_ = 0;
    int32_t timeTicks_ = 0;
};
