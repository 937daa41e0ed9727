// A textured rectangle with an optional caption, activated by a left click inside it.
#pragma once

#include <string>

#include "menu/MenuLayout.h"
#include "resources/Out2D.h"

class TButton {
public:
    // Pictures are paths under the program directory: shown normally and while hovered.
    TButton(const std::string& normalPicture, const std::string& hoveredPicture, std::string caption = "",
            int font = FONT_11);

    // The pointer test; plays the hover sound when the pointer has just entered.
    bool MouseOver(float x, float y);
    // MouseOver with the left button's latch in the same frame.
    bool Activated(float x, float y);
    void Draw();

    void SetRect(const TRect& rect);
    void SetTextureRect(float s1, float t1, float s2, float t2);
    void SetCaption(const std::string& caption);
    const std::string& Caption() const { return caption_; }
    const TRect& Rect() const { return rect_; }
    bool Hovered() const { return hovered_; }

    bool Selected = false; // caption green instead of yellow

private:
    bool hovered_ = false;
    float captionX_ = 0;
    float captionY_ = 0;
    float s1_ = 0, t1_ = 0, s2_ = 1, t2_ = 1;
    TRect rect_;
    int hoveredTexture_;
    int normalTexture_;
    std::string caption_;
    int epoch_ = -1;
    int font_;
};

// Button pictures: "button1" for the short buttons, "button2" for the rows.
constexpr const char* BUTTON1_OUT = "Data\\Menu\\button1_out.png";
constexpr const char* BUTTON1_IN = "Data\\Menu\\button1_in.png";
constexpr const char* BUTTON2_OUT = "Data\\Menu\\button2_out.png";
constexpr const char* BUTTON2_IN = "Data\\Menu\\button2_in.png";
