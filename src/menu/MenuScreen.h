// The window as the menu sees it: the viewport, the size of one pixel in screen units and
// the pointer, handed over by the frame loop with every menu frame.
#pragma once

struct TMenuScreen {
    int viewportX = 0;
    int viewportY = 0;
    int viewportWidth = 800;
    int viewportHeight = 600;
    float pixelScaleX = 2.0f / 800;
    float pixelScaleY = 2.0f / 600;
    int cursorX = 400; // client pixels from the upper-left corner
    int cursorY = 300;
};

// The screen of the frame being drawn; set through SetMenuScreen.
extern TMenuScreen MenuScreen;

// Takes the screen of a new menu frame and notes when the window's size differs from the
// one the menu last drew at.
void SetMenuScreen(const TMenuScreen& screen);
// What every page and widget compares its layout epoch with: the resolution setting while the
// window keeps the size the menu first drew at, and a new value after each change of size.
int LayoutEpoch();

// glViewport of the menu's screen.
void ApplyMenuViewport();
