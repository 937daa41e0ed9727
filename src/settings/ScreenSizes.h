// The window sizes of the resolution setting, and how large the menus and the HUD are drawn in
// a window of any size.
#pragma once

#include "platform/Platform.h"

// Resolution setting values: 0..2 the sizes below, 3 the desktop's size (4 320x200 and
// 5 640x480 only by a hand-edited Config.cfg).
constexpr int DESKTOP_RESOLUTION = 3;
constexpr int LISTED_RESOLUTION_COUNT = 3;

// The window size of a resolution setting; the desktop's for DESKTOP_RESOLUTION, 800 x 600 for any
// value no page writes.
platform::TPoint ResolutionSize(int resolution);
// The resolution (0..2) whose size this is, else -1.
int ListedResolutionOf(int width, int height);

// How many times their specified pixel sizes the menus, the HUD, their text, the crosshair and the
// pointer are drawn in a window of this size: 1 at the sizes the Graphics page offers, where the
// specified layout holds pixel for pixel; elsewhere the window's height over the 600 pixels that
// layout was drawn for (the listed sizes only add room around it), down to a half.
float InterfaceScale(int width, int height);
