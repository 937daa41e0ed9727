// The profile list: choose, create and delete profiles (up to six).
#pragma once

#include <vector>

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TPlayersPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_PLAYERS;
    explicit TPlayersPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    TMenuWindow window_;
    std::vector<TButton> profiles_;
    TButton create_;
    TButton back_;
    TButton delete_;
};
