// The page after a lost stage: replay it, or leave the game.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TLosePage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_LOSE;
    explicit TLosePage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
