// The failed exchange, with the offer to retry it whole.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TConnectionFailPage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_CONNECTION_FAILED;
    explicit TConnectionFailPage(TMenu& owner);

private:
    void OnYes() override;
    void OnBack() override;
};
