// The frame's time arithmetic: the clamped frame step, the slow-motion divisor that eases
// one unit per 100 ms, and the scaled step that carries its remainder between frames.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

constexpr uint32_t MaxFrameStep = 25;
constexpr int32_t DivisorStepDelay = 100;

struct TFrameClock {
    uint32_t lastTick = 0;
    uint32_t divisorRemainder = 0;
    int32_t divisorStepTimer = 0;
    uint32_t fpsSum = 0;
    uint32_t fpsFrames = 0;
};

// The fixed-rate wait: how long to sleep so the frame lasts 25 ms (0 when it already does).
uint32_t FixedRateSleep(uint32_t frameStep);
uint32_t ClampFrameStep(uint32_t frameStep);
// The real time since the previous frame. With `fixedRate` a shorter frame is padded to 25 ms
// by sleeping, and the next frame is measured from after that sleep.
uint32_t MeasureFrameStep(TFrameClock& clock, bool fixedRate, const std::function<uint32_t()>& now,
                          const std::function<void(uint32_t)>& sleep);
// Counts a frame for the "-FPS" title; true with the title text when a second is full.
bool CountFrameForTitle(TFrameClock& clock, uint32_t frameStep, std::string& title);
// Moves the divisor one unit towards the target when its step timer has run out.
void EaseTimeDivisor(TFrameClock& clock, uint32_t& divisor, uint32_t target, uint32_t frameStep);
uint32_t ScaledStep(const TFrameClock& clock, uint32_t frameStep, uint32_t divisor);
void CarryRemainder(TFrameClock& clock, uint32_t frameStep, uint32_t divisor);
