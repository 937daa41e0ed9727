// Buttons: hover test with its sound, caption centred on every layout change.
#include "menu/Button.h"

#include <GL/gl.h>

#include "menu/MenuGlobals.h"
#include "menu/MenuScreen.h"
#include "menu/ShownButtons.h"

TButton::TButton(const std::string& normalPicture, const std::string& hoveredPicture, std::string caption,
                 int font)
    : hoveredTexture_(LoadMenuTexture(hoveredPicture)), normalTexture_(LoadMenuTexture(normalPicture)),
      caption_(std::move(caption)), font_(font) {}

bool TButton::MouseOver(float x, float y) {
    const bool inside = rect_.Contains(x, y);
    if (inside && !hovered_) PlayHoverSound();
    hovered_ = inside;
    return inside;
}

bool TButton::Activated(float x, float y) {
    return MouseOver(x, y) && LeftClicked();
}

void TButton::Draw() {
    if (hovered_) PointerOverWidget = true;
    ShownButtons.buttons.push_back({caption_, rect_});
    Out2D->DrawTexturedQuad(hovered_ ? hoveredTexture_ : normalTexture_, rect_.x1, rect_.y1, rect_.x2,
                            rect_.y2, s1_, t1_, s2_, t2_);
    if (epoch_ != LayoutEpoch()) {
        const TTextExtent size = MeasureText(font_, caption_);
        captionX_ = rect_.x1 + ((rect_.x2 - rect_.x1) - PixelsX(size.w)) / 2;
        captionY_ = CaptionY(rect_, size.h);
        epoch_ = LayoutEpoch();
    }
    if (Selected)
        PrintColoured(caption_, font_, captionX_, captionY_, 0, 1, 0);
    else
        PrintYellow(caption_, font_, captionX_, captionY_);
}

void TButton::SetRect(const TRect& rect) {
    rect_ = rect;
    epoch_ = -1;
}

void TButton::SetTextureRect(float s1, float t1, float s2, float t2) {
    s1_ = s1;
    t1_ = t1;
    s2_ = s2;
    t2_ = t2;
}

void TButton::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    epoch_ = -1;
}
