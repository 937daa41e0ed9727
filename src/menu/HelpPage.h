// The help browser: eight pictures, Previous and Next wrapping around.
#pragma once

#include <vector>

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"
#include "menu/TextWindow.h"

class THelpPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_HELP;
    static constexpr int PictureCount = 8;
    explicit THelpPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;
    void ShowFirstPicture() { current_ = 0; }
    int Current() const { return current_; }

private:
    TMenuWindow window_;
    std::vector<TTextWindow> pictures_;
    int current_ = 0;
    TButton back_;
    TButton previous_;
    TButton next_;
};
