// The confirmation that clears the local high-score table.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TClearPage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_CLEAR_HIGH_SCORES;
    explicit TClearPage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
