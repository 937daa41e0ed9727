// Confirmation windows: 300 x 226, lines at top - 50, 80 and 110, the buttons at top - 194 .. 164.
#include "menu/ConfirmPage.h"

#include "menu/MenuGlobals.h"

TConfirmPage::TConfirmPage(TMenu& owner, std::array<std::string, 3> lines, const std::string& yes,
                           const std::string& back)
    : TMenuPage(owner), window_(TMenuWindow::Question()), lines_(std::move(lines)),
      yes_(BUTTON1_OUT, BUTTON1_IN, yes), back_(BUTTON1_OUT, BUTTON1_IN, back) {}

void TConfirmPage::Reword(std::array<std::string, 3> lines, const std::string& yes, const std::string& back) {
    lines_ = std::move(lines);
    yes_.SetCaption(yes);
    back_.SetCaption(back);
}

void TConfirmPage::Draw(uint32_t, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        yes_.SetRect(window_.Rect(22, 142, 194, 164));
        back_.SetRect(window_.Rect(155, 278, 194, 164));
    }
    window_.Draw();
    const float offsets[] = {50, 80, 110};
    for (size_t i = 0; i < lines_.size(); ++i)
        if (!lines_[i].empty()) window_.PrintCentred(lines_[i], FONT_14, offsets[i]);
    if (!yes_.Caption().empty()) {
        if (yes_.Activated(x, y)) OnYes();
        yes_.Draw();
    }
    // Both tests run every frame, so the back button keeps its hover state.
    const bool backClicked = back_.Activated(x, y);
    if (backClicked || EscapeUsed()) OnBack();
    back_.Draw();
}
