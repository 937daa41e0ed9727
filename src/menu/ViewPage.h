// The graphics settings: resolution, colour depth, shaders, full screen, brightness, shadows,
// and below them the render scale (Additions.cfg). Resolution and full screen wait for a
// restart; the others take effect at once.
#pragma once

#include <array>

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/ChangeBox.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"
#include "settings/Additions.h"

class TViewPage : public TMenuPage {
public:
    static constexpr int Number = PAGE_VIEW;
    // Takes the initial choices from the settings, and sets the pending display values.
    explicit TViewPage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    enum { RESOLUTION, DEPTH, SHADERS, FULL_SCREEN, BRIGHTNESS, SHADOWS, RENDER_SCALE, BOX_COUNT };
    void Apply(int box);
    void ShowWindowSize();

    TMenuWindow window_;
    std::array<TChangeBox, BOX_COUNT> boxes_;
    TButton apply_;
    TButton back_;
    unsigned shownSizeChanges_ = 0; // the window's changes of size the Resolution box shows
};

// The brightness box's index for a brightness (0 .. 9/55), and back.
int BrightnessIndex(float brightness);
float BrightnessOf(int index);
// The render scale box's index for a setting (-1: a value it does not offer), and back.
int RenderScaleIndex(const TRenderScaleSetting& setting);
TRenderScaleSetting RenderScaleOf(int index);
