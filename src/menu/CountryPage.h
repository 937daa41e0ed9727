// The country entry at the end of a game; leaving it files the score into the local table.
#pragma once

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TCountryPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_COUNTRY;
    explicit TCountryPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    void Accept();

    TMenuWindow window_;
    TButton edit_; // its caption is the country typed so far
    TButton ok_;
};
