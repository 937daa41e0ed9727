// A window showing its message lines only, with no input.
#pragma once

#include <string>
#include <vector>

#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TCaptionPage : public TMenuPage {
public:
    struct TLine {
        std::string text;
        float offset; // pixels below the window's upper edge
    };
    TCaptionPage(TMenu& owner, TMenuWindow window, std::vector<TLine> lines);

    void Draw(uint32_t step, float x, float y) override;

private:
    TMenuWindow window_;
    std::vector<TLine> lines_;
};
