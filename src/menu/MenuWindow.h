// The two window frames pages are drawn in, centred on the screen: the confirmation window
// ("Question_window.png", 300 x 226) and the large window ("menu_window.png", 418 x 318).
// Offsets are pixels: left + n from the left edge, top - n below the upper edge.
#pragma once

#include <string>

#include "menu/MenuLayout.h"

constexpr const char* LARGE_WINDOW = "Data\\Menu\\menu_window.png";

class TMenuWindow {
public:
    static TMenuWindow Question();
    static TMenuWindow Large();
    // The large window's size drawn with another picture.
    static TMenuWindow LargeWith(const std::string& picture);

    // Recomputes the origin for the current window size.
    void Relayout();
    void Draw() const;

    // From left + x1 to left + x2 and from top - y1 (lower edge) to top - y2 (upper edge).
    TRect Rect(float x1, float x2, float y1, float y2) const;
    float X(float offset) const;
    float Y(float offset) const;
    // x that centres `text` over `span` pixels from the left edge (the window's width by default).
    float CentredX(const std::string& text, int font, int span = 0) const;
    // A yellow line centred over the window with its baseline at top - `offset`.
    void PrintCentred(const std::string& text, int font, float offset) const;

private:
    TMenuWindow(const std::string& picture, int width, int height);

    int texture_;
    int width_;
    int height_;
    float left_ = 0;
    float top_ = 0;
};
