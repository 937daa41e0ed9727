// The offer to send the score to the world table.
#pragma once

#include "gameplay/GameState.h"
#include "menu/CaptionPage.h"

class TSendHighScorePage : public TCaptionPage {
public:
    static constexpr int Number = PAGE_SEND_HIGH_SCORE;
    explicit TSendHighScorePage(TMenu& owner)
        : TCaptionPage(owner, TMenuWindow::Question(),
                       {{"Send your score", 50}, {"to the world's", 80}, {"highscore page?", 110}}) {}
};
