// Start-up's loading screen: the logo, 512 x 64 pixels in the middle (times the interface
// scale), and the yellow "...loading..." centred below it.
#include "app/LoadingScreen.h"

#include <GL/gl.h>

#include "app/Globals.h"
#include "resources/DataPath.h"
#include "resources/Out2D.h"
#include "resources/TextureLib.h"

void DrawLoadingScreen() {
    const int logo = TextureLib->Load(DataPath("Data\\Menu\\Logo.png"), GL_NEAREST, GL_NEAREST);
    glDisable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glViewport(Viewport.x, Viewport.y, Viewport.width, Viewport.height);
    // As large as the menus will be.
    const float x = 256 * Out2D->Scale() * PixelScaleX, y = 32 * Out2D->Scale() * PixelScaleY;
    Out2D->DrawTexturedQuad(logo, -x, y, x, -y, 0, 0, 1, 1);
    glColor3f(1, 1, 0);
    const std::string text = "...loading...";
    Out2D->SelectFont(FONT_18);
    const int width = Out2D->TextWidth(text);
    Out2D->PrintText(text, FONT_18, -width * PixelScaleX / 2, -0.6f);
    glColor3f(1, 1, 1);
}
