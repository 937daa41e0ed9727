// Game pads as keys: their buttons, triggers and directions are key codes from the range
// Windows leaves unassigned, so they bind like any key; the right stick moves the pointer.
#pragma once

#include "platform/Platform.h"

#include <cstdint>

namespace platform {

constexpr int PAD_A = 0x88;
constexpr int PAD_B = 0x89;
constexpr int PAD_X = 0x8A;
constexpr int PAD_Y = 0x8B;
constexpr int PAD_LB = 0x8C;
constexpr int PAD_RB = 0x8D;
constexpr int PAD_LT = 0x8E;
constexpr int PAD_RT = 0x8F;
// The left stick and the d-pad give the same four directions.
constexpr int PAD_UP = 0x97;
constexpr int PAD_DOWN = 0x98;
constexpr int PAD_LEFT = 0x99;
constexpr int PAD_RIGHT = 0x9A;
constexpr int PAD_BACK = 0x9B;
constexpr int PAD_L3 = 0x9C;
constexpr int PAD_R3 = 0x9D;

// Starts the pad subsystem; pads already plugged in and any plugged in later are opened as
// their arrival messages are fetched. False when the system has no pad support (no pads then).
bool StartGamePads();
// Moves the pointer by the right stick of the pads for `stepMs` and keeps it inside the
// window; returns the movement in pixels (computed even without a window).
TPoint MovePointerByPad(uint32_t stepMs);

} // namespace platform
