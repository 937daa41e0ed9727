// The local high-score table: ten rows of place, name and score.
#pragma once

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"

class THighScorePage : public TMenuPage {
public:
    static constexpr int Number = PAGE_HIGH_SCORES;
    explicit THighScorePage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    TMenuWindow window_;
    TButton header_;
    TButton clear_;
    TButton back_;
    TButton world_;
    float headerY_ = 0;
    float scoreHeaderX_ = 0;
    int rowHeight_ = 0;
};
