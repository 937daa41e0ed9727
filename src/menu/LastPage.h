// The exit screen shown before the game closes: a background with link buttons, and a close
// button that appears when its countdown has run out. Without "wdata\config.ini" (or its
// background) the screen is off and confirming the quit closes the game at once.
#pragma once

#include <optional>
#include <vector>

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/LastScreenButton.h"
#include "menu/LastScreenConfig.h"
#include "menu/MenuPage.h"

class TLastPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_LAST_SCREEN;
    // Reads the description file.
    explicit TLastPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;
    bool Enabled() const { return enabled_; }

private:
    void Build(const TLastScreenConfig& config);
    void Layout();
    // The box in background pixels as a screen rectangle.
    TRect ScreenRect(const TPixelBox& box) const;

    TLastScreenConfig config_;
    bool enabled_ = false;
    bool firstFrame_ = true;
    int countdown_ = 0;
    int background_ = 0;
    int backgroundWidth_ = 1;
    int backgroundHeight_ = 1;
    std::optional<TButton> close_;
    int countdownBox_ = 0;
    int countdownFont_ = 0;
    float countdownColour_[3] = {1, 1, 1};
    std::vector<TLastScreenButton> links_;
};
