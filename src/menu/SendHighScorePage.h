// The offer to send the score to the world table.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TSendHighScorePage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_SEND_HIGH_SCORE;
    explicit TSendHighScorePage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
