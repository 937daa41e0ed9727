// Menu geometry: pixel offsets turned into screen coordinates, text extents measured in the
// font that prints them, coloured text and the menu's pictures.
#pragma once

#include <string>

struct TRect {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    // Strict on all four sides: a point on the border is outside.
    bool Contains(float x, float y) const { return x1 < x && x < x2 && y1 < y && y < y2; }
};

// In pixels of the layout: the text is rendered at the interface scale, and measured back.
struct TTextExtent {
    float w = 0;
    float h = 0;
};
TTextExtent MeasureText(int font, const std::string& text);

// Pixels of the layout to screen units at the current window size and interface scale.
float PixelsX(float pixels);
float PixelsY(float pixels);

// The rectangle from (left, bottom) to (right, top), all in pixels from the screen centre.
TRect PixelRect(float left, float bottom, float right, float top);
// Baseline y that centres a line of text of height `h` pixels in a `rect` (the widgets' rule).
float CaptionY(const TRect& rect, float h);

// The share of a full-screen picture (drawn for 4:3) that a window of this size shows, across
// and down. Between the shapes of the listed resolutions, 5:4 and 4:3, the picture is
// stretched over the window as ever; a wider window shows less of its height and a taller one
// less of its width, so the picture keeps its proportions and still fills the window.
struct TPictureShare {
    float across = 1;
    float down = 1;
};
TPictureShare FullScreenShare(int width, int height);
// A full-screen picture over the menu's screen, cropped about its centre by that share.
void DrawFullScreenPicture(int texture);

// A picture under the program directory, with linear mipmap filtering.
int LoadMenuTexture(const std::string& relativePath);

// Prints in the colour given, then resets the colour to opaque white.
void PrintColoured(const std::string& text, int font, float x, float y, float r, float g, float b,
                   float a = 1);
void PrintYellow(const std::string& text, int font, float x, float y);
