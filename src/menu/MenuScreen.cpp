// The menu's screen.
#include "menu/MenuScreen.h"

#include <GL/gl.h>

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

int LayoutEpoch() {
    // Resolution indices are small, so the size count above its low byte never meets them.
    return static_cast<int>(static_cast<unsigned>(Config->Resolution) + (sizeChanges << 8));
}

void ApplyMenuViewport() {
    glViewport(MenuScreen.viewportX, MenuScreen.viewportY, MenuScreen.viewportWidth,
               MenuScreen.viewportHeight);
}
