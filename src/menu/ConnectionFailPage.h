// The failed exchange, with the offer to retry it whole; or the service's refusal of the
// record, which a retry would only meet again.
#pragma once

#include "gameplay/GameState.h"
#include "menu/ConfirmPage.h"

class TConnectionFailPage : public TConfirmPage {
public:
    static constexpr int Number = PAGE_CONNECTION_FAILED;
    explicit TConnectionFailPage(TMenu& owner);
    // What the page says from now on: the offer to retry, or with a `refusal` (the service's
    // reason) that the score was refused, and only the way back.
    void Show(const std::string& refusal);

private:
    void OnYes() override;
    void OnBack() override;
};
