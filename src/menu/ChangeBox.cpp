// Change boxes: the label at the left, the chosen value right-aligned, both in the 11-point font.
#include "menu/ChangeBox.h"

#include "menu/MenuGlobals.h"
#include "menu/MenuScreen.h"
#include "resources/Out2D.h"
#include "settings/KeyControl.h"

TChangeBox::TChangeBox(std::string label, const std::string& normalPicture, const std::string& hoveredPicture)
    : hoveredTexture_(LoadMenuTexture(hoveredPicture)), normalTexture_(LoadMenuTexture(normalPicture)),
      label_(std::move(label)) {}

void TChangeBox::AddItem(const std::string& text) {
    const TTextExtent size = MeasureText(FONT_11, text);
    items_.push_back(
        {text, rect_.x1 + ((rect_.x2 - rect_.x1) - PixelsX(size.w)) / 2, CaptionY(rect_, size.h)});
}

void TChangeBox::Truncate(int count) {
    if (count < Count()) items_.resize(count);
    if (selected_ >= Count()) selected_ = 0;
}

bool TChangeBox::MouseOver(float x, float y) {
    const bool inside = rect_.Contains(x, y);
    if (inside && !hovered_) PlayHoverSound();
    hovered_ = inside;
    return inside;
}

void TChangeBox::SelectNext() {
    if (items_.empty()) return;
    selected_ = (selected_ + 1) % Count();
    PlayClickSound();
}

void TChangeBox::SelectPrevious() {
    if (items_.empty()) return;
    selected_ = (selected_ + Count() - 1) % Count();
    PlayClickSound();
}

bool TChangeBox::Update(float x, float y) {
    if (!MouseOver(x, y)) return false;
    const bool next = LeftClicked();
    const bool previous = Keys->IsPressed(KEY_RIGHT_BUTTON);
    if (next) SelectNext();
    if (previous) SelectPrevious();
    return next || previous;
}

void TChangeBox::Draw() {
    if (hovered_) PointerOverWidget = true;
    Out2D->DrawTexturedQuad(hovered_ ? hoveredTexture_ : normalTexture_, rect_.x1, rect_.y1, rect_.x2,
                            rect_.y2, 0, 0, 1, 1);
    if (epoch_ != LayoutEpoch()) {
        for (TItem& item : items_) {
            const TTextExtent size = MeasureText(FONT_11, item.text);
            item.x = rect_.x2 - PixelsX(size.w) - PixelsX(10);
            item.y = CaptionY(rect_, size.h);
        }
        const TTextExtent size = MeasureText(FONT_11, label_);
        labelX_ = rect_.x1 + PixelsX(10);
        labelY_ = CaptionY(rect_, size.h);
        epoch_ = LayoutEpoch();
    }
    PrintYellow(label_, FONT_11, labelX_, labelY_);
    if (!items_.empty())
        PrintYellow(items_[selected_].text, FONT_11, items_[selected_].x, items_[selected_].y);
}

void TChangeBox::SetRect(const TRect& rect) {
    rect_ = rect;
    epoch_ = -1;
}
