// The settings menu: Graphics, Sound, Controls and Back.
#pragma once

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TOptionsPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_OPTIONS;
    explicit TOptionsPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    TMenuWindow window_;
    TButton graphics_;
    TButton sound_;
    TButton controls_;
    TButton back_;
};

// The settings pages' rows: 290 x 25 pixels at left + 65, row 0 at top - 80 .. top - 55,
// each further row 32 pixels lower.
TRect SettingsRow(const TMenuWindow& window, int row);
