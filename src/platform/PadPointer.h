// The pointer's speed from a stick's tilt: still inside the dead zone, then growing with the
// square of the tilt beyond it, and speeding up over the first moments of a push so that a
// short nudge aims finely.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

namespace platform {

class TPadPointer {
public:
    // Pixels to move for a stick at (x, y), each -1..1 (y down), held for `stepMs`. Fractions
    // of a pixel carry over to the next call, so a slow push still moves.
    TPoint Move(float x, float y, uint32_t stepMs);

private:
    uint32_t heldMs_ = 0;
    float restX_ = 0;
    float restY_ = 0;
};

} // namespace platform
