// The country entry before a score is filed.
#pragma once

#include "gameplay/GameState.h"
#include "menu/CaptionPage.h"

class TCountryPage : public TCaptionPage {
public:
    static constexpr int Number = PAGE_COUNTRY;
    explicit TCountryPage(TMenu& owner)
        : TCaptionPage(owner, TMenuWindow::Large(), {{"Enter your country:", 45}}) {}
};
