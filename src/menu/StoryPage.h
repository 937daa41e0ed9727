// The story picture before the first stage: it fades in over the main page, and after a key
// fades out into the first stage's loading screen.
#pragma once

#include <cstdint>

#include "gameplay/GameState.h"
#include "menu/MenuPage.h"

class TStoryPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_STORY;
    explicit TStoryPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;
    // Called by "New Game": the fade-in starts again.
    void Reset();

private:
    int story_;
    int32_t fadeTimer_ = 1000;
    bool keyPressed_ = false;
};
