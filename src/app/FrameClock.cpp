// The frame step, the slow-motion divisor and the scaled step.
#include "app/FrameClock.h"

uint32_t FixedRateSleep(uint32_t frameStep) {
    return frameStep < MaxFrameStep ? MaxFrameStep - frameStep : 0;
}

uint32_t ClampFrameStep(uint32_t frameStep) {
    return frameStep > MaxFrameStep ? MaxFrameStep : frameStep;
}

uint32_t MeasureFrameStep(TFrameClock& clock, bool fixedRate, const std::function<uint32_t()>& now,
                          const std::function<void(uint32_t)>& sleep) {
    uint32_t step = now() - clock.lastTick;
    clock.lastTick = now();
    if (fixedRate && FixedRateSleep(step) > 0) {
        sleep(FixedRateSleep(step));
        clock.lastTick = now();
        step = MaxFrameStep;
    }
    return step;
}

bool CountFrameForTitle(TFrameClock& clock, uint32_t frameStep, std::string& title) {
    clock.fpsSum += frameStep;
    clock.fpsFrames++;
    if (clock.fpsSum < 1000) return false;
    title = "FPS: " + std::to_string(clock.fpsFrames);
    clock.fpsSum = 0;
    clock.fpsFrames = 0;
    return true;
}

void EaseTimeDivisor(TFrameClock& clock, uint32_t& divisor, uint32_t target, uint32_t frameStep) {
    if (divisor == target) return;
    if (clock.divisorStepTimer > 0) {
        clock.divisorStepTimer -= static_cast<int32_t>(frameStep);
    } else {
        divisor += divisor < target ? 1 : -1;
        clock.divisorStepTimer = DivisorStepDelay;
    }
}

uint32_t ScaledStep(const TFrameClock& clock, uint32_t frameStep, uint32_t divisor) {
    return divisor > 1 ? (frameStep + clock.divisorRemainder) / divisor : frameStep;
}

void CarryRemainder(TFrameClock& clock, uint32_t frameStep, uint32_t divisor) {
    clock.divisorRemainder = (frameStep + clock.divisorRemainder) % divisor;
}
