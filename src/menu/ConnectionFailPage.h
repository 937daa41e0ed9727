// The failed request, with the offer to retry.
#pragma once

#include "gameplay/GameState.h"
#include "menu/CaptionPage.h"

class TConnectionFailPage : public TCaptionPage {
public:
    static constexpr int Number = PAGE_CONNECTION_FAILED;
    explicit TConnectionFailPage(TMenu& owner)
        : TCaptionPage(owner, TMenuWindow::Question(), {{"Connection Failed", 50}, {"Retry?", 80}}) {}
};
