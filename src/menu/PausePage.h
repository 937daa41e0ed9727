// The confirmation that ends a running game: Yes goes to the main page, Back back to the game.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TPausePage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_PAUSE;
    explicit TPausePage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
