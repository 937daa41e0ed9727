// Window frames and offsets within them.
#include "menu/MenuWindow.h"

#include "resources/Out2D.h"

TMenuWindow::TMenuWindow(const std::string& picture, int width, int height)
    : texture_(LoadMenuTexture(picture)), width_(width), height_(height) {}

TMenuWindow TMenuWindow::Question() {
    return TMenuWindow("Data\\Menu\\Question_window.png", 300, 226);
}

TMenuWindow TMenuWindow::Large() {
    return LargeWith(LARGE_WINDOW);
}

TMenuWindow TMenuWindow::LargeWith(const std::string& picture) {
    return TMenuWindow(picture, 418, 318);
}

void TMenuWindow::Relayout() {
    left_ = PixelsX(-width_ / 2.0f);
    top_ = PixelsY(-height_ / 2.0f + height_);
}

void TMenuWindow::Draw() const {
    Out2D->DrawTexturedQuad(texture_, left_, top_ - PixelsY(height_), left_ + PixelsX(width_), top_, 0.99f,
                            0.99f, 0, 0);
}

TRect TMenuWindow::Rect(float x1, float x2, float y1, float y2) const {
    return {X(x1), Y(y1), X(x2), Y(y2)};
}

float TMenuWindow::X(float offset) const {
    return left_ + PixelsX(offset);
}

float TMenuWindow::Y(float offset) const {
    return top_ - PixelsY(offset);
}

float TMenuWindow::CentredX(const std::string& text, int font, int span) const {
    const int over = span > 0 ? span : width_;
    return left_ + (PixelsX(over) - PixelsX(MeasureText(font, text).w)) / 2;
}

void TMenuWindow::PrintCentred(const std::string& text, int font, float offset) const {
    PrintYellow(text, font, CentredX(text, font), Y(offset));
}
