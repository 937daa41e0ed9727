// Key edits: a click starts waiting for a key, the lowest latched key code is bound, and
// the box pulses once a second while it waits.
#include "menu/KeyEdit.h"

#include <GL/gl.h>
#include <cstdlib>

#include "menu/MenuGlobals.h"
#include "menu/MenuScreen.h"
#include "resources/Out2D.h"
#include "settings/KeyControl.h"
#include "settings/KeyNames.h"

namespace {

constexpr int32_t BlinkHalfPeriod = 500;

} // namespace

std::string BoundKeysText(int first, int second) {
    std::string text = KeyName(first);
    if (second != NO_KEY && second != first) text += std::string(" or ") + KeyName(second);
    return text;
}

TKeyEdit::TKeyEdit(int action, std::string label, const std::string& normalPicture,
                   const std::string& hoveredPicture)
    : action_(action), label_(std::move(label)), hoveredTexture_(LoadMenuTexture(hoveredPicture)),
      normalTexture_(LoadMenuTexture(normalPicture)) {}

bool TKeyEdit::Update(float x, float y) {
    const bool inside = rect_.Contains(x, y);
    if (inside && !hovered_) PlayHoverSound();
    hovered_ = inside;
    if (editing_) {
        CaptureKey();
        return false;
    }
    if (!LeftClicked() || !hovered_) return false;
    StartEditing();
    return true;
}

void TKeyEdit::StartEditing() {
    blinkTimer_ = BlinkHalfPeriod;
    editing_ = true;
}

void TKeyEdit::CaptureKey() {
    int key = 0;
    while (key < 256 && !Keys->IsPressed(key))
        ++key;
    if (key == 256) return;
    // A click elsewhere (on another key edit, say) must not bind the button.
    if ((key == KEY_LEFT_BUTTON || key == KEY_PAD_CLICK) && !hovered_) return;
    TKeyBinding& binding = Keys->Bindings[action_];
    if (binding.First != NO_KEY) {
        if (binding.Second != NO_KEY) binding.First = binding.Second;
        binding.Second = key;
    } else {
        binding.First = key;
    }
    editing_ = false;
    epoch_ = -1;
}

void TKeyEdit::Draw(uint32_t step) {
    float alpha = 1;
    if (editing_) {
        blinkTimer_ -= static_cast<int32_t>(step);
        if (blinkTimer_ < -BlinkHalfPeriod) blinkTimer_ = BlinkHalfPeriod;
        alpha = (std::abs(blinkTimer_) + 200) / 700.0f;
    }
    if (hovered_) PointerOverWidget = true;
    glColor4f(1, 1, 1, alpha);
    Out2D->DrawTexturedQuad(hovered_ ? hoveredTexture_ : normalTexture_, rect_.x1, rect_.y1, rect_.x2,
                            rect_.y2, 0, 0, 1, 1);
    glColor4f(1, 1, 1, 1);
    if (epoch_ != LayoutEpoch()) {
        const TKeyBinding& binding = Keys->Bindings[action_];
        keysText_ = BoundKeysText(binding.First, binding.Second);
        const TTextExtent size = MeasureText(FONT_11, keysText_);
        keysTextX_ = rect_.x2 - PixelsX(size.w) - PixelsX(4);
        textY_ = CaptionY(rect_, size.h);
        labelX_ = rect_.x1 + PixelsX(4);
        epoch_ = LayoutEpoch();
    }
    PrintYellow(label_, FONT_11, labelX_, textY_);
    PrintColoured(keysText_, FONT_11, keysTextX_, textY_, 0, 1, 0);
}

void TKeyEdit::SetRect(const TRect& rect) {
    rect_ = rect;
    epoch_ = -1;
}
