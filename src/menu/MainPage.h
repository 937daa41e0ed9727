// The title menu: the welcome line, Resume Game, New Game, Options, High Score, Help,
// Players, Exit, the publisher's badge, and the typed codes.
#pragma once

#include <string>

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/CheatCode.h"
#include "menu/MenuPage.h"

constexpr const char* MAIN_LOGO_ACTIVE = "Data\\Menu\\Logo_mini_active.png";
constexpr const char* MAIN_LOGO_INACTIVE = "Data\\Menu\\Logo_mini_inactive.png";

class TMainPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_MAIN;
    explicit TMainPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    void LoadProfileStage();

    std::string welcome_;
    float welcomeX_ = 0;
    float welcomeY_ = 0;
    TButton logo_;
    TButton resume_;
    TButton newGame_;
    TButton options_;
    TButton highScore_;
    TButton help_;
    TButton players_;
    TButton exit_;
    TCheatCode cheats_;
};

// Whether the main page offers "Resume Game": a game is running, or the current profile
// stopped between stages 2 and 15.
bool CanResume();
