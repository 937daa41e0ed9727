// Geometry and text helpers shared by the widgets and pages.
#include "menu/MenuLayout.h"

#include <GL/gl.h>

#include "menu/MenuScreen.h"
#include "resources/DataPath.h"
#include "resources/Out2D.h"
#include "resources/TextureLib.h"

TTextExtent MeasureText(int font, const std::string& text) {
    Out2D->SelectFont(font);
    const float scale = Out2D->Scale();
    return {Out2D->TextWidth(text) / scale, Out2D->TextHeight() / scale};
}

float PixelsX(float pixels) {
    return pixels * MenuScreen.scale * MenuScreen.pixelScaleX;
}

float PixelsY(float pixels) {
    return pixels * MenuScreen.scale * MenuScreen.pixelScaleY;
}

TRect PixelRect(float left, float bottom, float right, float top) {
    return {PixelsX(left), PixelsY(bottom), PixelsX(right), PixelsY(top)};
}

float CaptionY(const TRect& rect, float h) {
    return rect.y1 + ((rect.y2 - rect.y1) - PixelsY(h) * 0.5f) / 2;
}

TPictureShare FullScreenShare(int width, int height) {
    TPictureShare share;
    if (3 * width > 4 * height) share.down = 4.0f * height / (3.0f * width);
    if (4 * width < 5 * height) share.across = 4.0f * width / (5.0f * height);
    return share;
}

void DrawFullScreenPicture(int texture) {
    const TPictureShare share = FullScreenShare(MenuScreen.viewportWidth, MenuScreen.viewportHeight);
    const float s = (1 - share.across) / 2;
    const float t = (1 - share.down) / 2;
    Out2D->DrawTexturedQuad(texture, -1, -1, 1, 1, s, t, 1 - s, 1 - t);
}

int LoadMenuTexture(const std::string& relativePath) {
    return TextureLib->LoadInterfacePicture(DataPath(relativePath));
}

void PrintColoured(const std::string& text, int font, float x, float y, float r, float g, float b, float a) {
    glColor4f(r, g, b, a);
    Out2D->PrintText(text, font, x, y);
    glColor4f(1, 1, 1, 1);
}

void PrintYellow(const std::string& text, int font, float x, float y) {
    PrintColoured(text, font, x, y, 1, 1, 0);
}
