// The notice shown while the score is being sent.
#pragma once

#include "gameplay/GameState.h"
#include "menu/CaptionPage.h"

class TConnectionPage : public TCaptionPage {
public:
    static constexpr int Number = PAGE_CONNECTION;
    explicit TConnectionPage(TMenu& owner)
        : TCaptionPage(owner, TMenuWindow::Question(), {{"Connection", 50}}) {}
};
