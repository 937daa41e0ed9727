// Loading the menu's stage.
#include "app/MenuStage.h"

#include <algorithm>

#include "app/Environment.h"
#include "gameplay/Player.h"
#include "menu/StageLoadingScreen.h"

void TMenuStage::LoadStage(const std::string& missionPath) {
    // "...loading..." stays on the screen while the loader works.
    const auto redraw = [] { DrawLoadingScreen(true, true); };
    redraw();
    environment_.LoadStage(missionPath, redraw);
}

int32_t TMenuStage::Score() const {
    return environment_.Player().score.Current();
}

void TMenuStage::SetScore(int32_t score) {
    environment_.Player().score.SetCurrent(score);
}

int64_t TMenuStage::TimeLeft() const {
    return environment_.Player().TimeLeft;
}

void TMenuStage::SetTimeLeft(int64_t ms) {
    environment_.Player().TimeLeft = static_cast<int>(std::clamp<int64_t>(ms, 0, INT32_MAX));
}

void TMenuStage::SetHealth(float health) {
    environment_.Player().Health = health;
}
