// The new-profile page: type a nick name, Ok (or Return) adds the profile.
#pragma once

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class TCreatePlayerPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_CREATE_PLAYER;
    explicit TCreatePlayerPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    void Accept();

    TMenuWindow window_;
    TButton edit_; // its caption is the name typed so far
    TButton ok_;
    TButton back_;
};
