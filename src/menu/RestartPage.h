// The confirmation that restarts the game to apply the display settings.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TRestartPage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_RESTART;
    explicit TRestartPage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
