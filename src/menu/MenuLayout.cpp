// Geometry and text helpers shared by the widgets and pages.
#include "menu/MenuLayout.h"

#include <GL/gl.h>

#include "menu/MenuScreen.h"
#include "resources/DataPath.h"
#include "resources/Out2D.h"
#include "resources/TextureLib.h"

TTextExtent MeasureText(int font, const std::string& text) {
    Out2D->SelectFont(font);
    return {Out2D->TextWidth(text), Out2D->TextHeight()};
}

float PixelsX(float pixels) {
    return pixels * MenuScreen.pixelScaleX;
}

float PixelsY(float pixels) {
    return pixels * MenuScreen.pixelScaleY;
}

TRect PixelRect(float left, float bottom, float right, float top) {
    return {PixelsX(left), PixelsY(bottom), PixelsX(right), PixelsY(top)};
}

float CaptionY(const TRect& rect, int h) {
    return rect.y1 + ((rect.y2 - rect.y1) - h * MenuScreen.pixelScaleY * 0.5f) / 2;
}

int LoadMenuTexture(const std::string& relativePath) {
    return TextureLib->Load(DataPath(relativePath), GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
}

void PrintColoured(const std::string& text, int font, float x, float y, float r, float g, float b, float a) {
    glColor4f(r, g, b, a);
    Out2D->PrintText(text, font, x, y);
    glColor4f(1, 1, 1, 1);
}

void PrintYellow(const std::string& text, int font, float x, float y) {
    PrintColoured(text, font, x, y, 1, 1, 0);
}
