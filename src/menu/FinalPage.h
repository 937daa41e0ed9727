// The final picture after the last stage; any key goes on to the country page.
#pragma once

#include "gameplay/GameState.h"
#include "menu/MenuPage.h"

class TFinalPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_FINAL;
    explicit TFinalPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    int final_;
};
