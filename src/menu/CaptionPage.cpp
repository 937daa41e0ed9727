// Caption pages.
#include "menu/CaptionPage.h"

#include "resources/Out2D.h"

TCaptionPage::TCaptionPage(TMenu& owner, TMenuWindow window, std::vector<TLine> lines)
    : TMenuPage(owner), window_(std::move(window)), lines_(std::move(lines)) {}

void TCaptionPage::Draw(uint32_t, float, float) {
    if (LayoutChanged()) window_.Relayout();
    window_.Draw();
    for (const TLine& line : lines_)
        window_.PrintCentred(line.text, FONT_14, line.offset);
}
