// The menu's screen.
#include "menu/MenuScreen.h"

#include <GL/gl.h>

TMenuScreen MenuScreen;

void ApplyMenuViewport() {
    glViewport(MenuScreen.viewportX, MenuScreen.viewportY, MenuScreen.viewportWidth,
               MenuScreen.viewportHeight);
}
