// The menu's screen.
#include "menu/MenuScreen.h"

#include <GL/gl.h>
#include <cmath>

#include "settings/Configure.h"

TMenuScreen MenuScreen;

namespace {

bool screenSet = false;
unsigned sizeChanges = 0;

} // namespace

void SetMenuScreen(const TMenuScreen& screen) {
    if (screenSet && (screen.viewportWidth != MenuScreen.viewportWidth ||
                      screen.viewportHeight != MenuScreen.viewportHeight))
        ++sizeChanges;
    screenSet = true;
    MenuScreen = screen;
}

unsigned WindowSizeChanges() {
    return sizeChanges;
}

int LayoutEpoch() {
    // Resolution indices are small, so the size count above its low byte never meets them.
    return static_cast<int>(static_cast<unsigned>(Config->Resolution) + (sizeChanges << 8));
}

namespace {

constexpr float PointerTipOffset = 0.1f;

} // namespace

TMenuPoint PointerPoint(const TMenuScreen& screen) {
    return {screen.cursorX * screen.pixelScaleX - 1,
            1 - screen.cursorY * screen.pixelScaleY - PointerTipOffset};
}

platform::TPoint CursorFor(const TMenuScreen& screen, const TMenuPoint& point) {
    return {static_cast<int>(std::lround((point.x + 1) / screen.pixelScaleX)),
            static_cast<int>(std::lround((1 - PointerTipOffset - point.y) / screen.pixelScaleY))};
}

void ApplyMenuViewport() {
    glViewport(MenuScreen.viewportX, MenuScreen.viewportY, MenuScreen.viewportWidth,
               MenuScreen.viewportHeight);
}
