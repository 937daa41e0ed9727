// The window as the menu sees it: the viewport, the size of one pixel in screen units and
// the pointer, handed over by the frame loop with every menu frame.
#pragma once

#include "platform/Platform.h"

struct TMenuScreen {
    int viewportX = 0;
    int viewportY = 0;
    int viewportWidth = 800;
    int viewportHeight = 600;
    float pixelScaleX = 2.0f / 800;
    float pixelScaleY = 2.0f / 600;
    int cursorX = 400; // client pixels from the upper-left corner
    int cursorY = 300;
    float scale = 1; // screen pixels to a pixel of the menu's layout (the interface scale)
};

// The screen of the frame being drawn; set through SetMenuScreen.
extern TMenuScreen MenuScreen;

// Takes the screen of a new menu frame and notes when the window's size differs from the
// one the menu last drew at.
void SetMenuScreen(const TMenuScreen& screen);
// How often the window has changed its size since the menu first drew.
unsigned WindowSizeChanges();
// What every page and widget compares its layout epoch with: the resolution setting while the
// window keeps the size the menu first drew at, and a new value after each change of size.
int LayoutEpoch();

// A point in menu coordinates: -1..1 from the left to the right edge and the bottom to the top.
struct TMenuPoint {
    float x = 0;
    float y = 0;
};
// The point the screen's pointer stands for: its tip, less the 0.1 that the hit tests share
// with the drawing.
TMenuPoint PointerPoint(const TMenuScreen& screen);
// The client pixel at which the pointer stands for `point` (PointerPoint's inverse, to the pixel).
platform::TPoint CursorFor(const TMenuScreen& screen, const TMenuPoint& point);

// glViewport of the menu's screen.
void ApplyMenuViewport();
