// The quit confirmation: Yes shows the exit screen, Back the main page.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TExitPage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_EXIT;
    explicit TExitPage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
