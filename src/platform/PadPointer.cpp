// The right stick's pointer speed: dead zone and acceleration.
#include "platform/PadPointer.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr float DeadZone = 0.25f;  // worn sticks rest up to about a fifth off centre
constexpr float TopSpeed = 1200;   // pixels a second at full tilt
constexpr float StartShare = 0.3f; // of the speed, at the start of a push
constexpr uint32_t RampMs = 400;   // from the start of a push to full speed

} // namespace

TPoint TPadPointer::Move(float x, float y, uint32_t stepMs) {
    const float tilt = std::hypot(x, y);
    if (tilt <= DeadZone) {
        heldMs_ = 0;
        restX_ = restY_ = 0;
        return {};
    }
    heldMs_ = std::min(RampMs, heldMs_ + stepMs);
    const float beyond = std::min(1.0f, (tilt - DeadZone) / (1 - DeadZone));
    const float ramp = StartShare + (1 - StartShare) * heldMs_ / RampMs;
    const float pixels = TopSpeed * beyond * beyond * ramp * stepMs / 1000;
    restX_ += x / tilt * pixels;
    restY_ += y / tilt * pixels;
    const TPoint move{static_cast<int>(restX_), static_cast<int>(restY_)};
    restX_ -= move.x;
    restY_ -= move.y;
    return move;
}

} // namespace platform
