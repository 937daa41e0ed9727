// The confirmation that deletes the current profile.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TDeletePage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_DELETE_PLAYER;
    explicit TDeletePage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
