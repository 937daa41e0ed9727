// The stage loading screen.
#include "menu/StageLoadingScreen.h"

#include <GL/gl.h>
#include <cmath>

#include "menu/MenuGlobals.h"
#include "menu/MenuLayout.h"
#include "menu/MenuScreen.h"
#include "platform/Platform.h"
#include "resources/Out2D.h"

void DrawLoadingScreen(bool swap, bool showText) {
    glDisable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    ApplyMenuViewport();
    DrawFullScreenPicture(LoadingPicture);
    if (showText) {
        const std::string text = StageReady ? "Press any key..." : "...loading...";
        const float period = StageReady ? 180.0f : 4.0f;
        const float alpha = std::sin(platform::GetTickCount() / period);
        PrintColoured(text, FONT_18, -PixelsX(MeasureText(FONT_18, text).w) / 2, -0.6f, 1, 1, 0, alpha);
    }
    glColor4f(1, 1, 1, 1);
    if (swap) platform::SwapBuffers();
}
