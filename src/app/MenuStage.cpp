// Loading the menu's stage.
#include "app/MenuStage.h"

#include "app/Environment.h"
#include "app/StagePreview.h"
#include "menu/StageLoadingScreen.h"
#include "world/MissionValues.h"

void TMenuStage::LoadStage(const std::string& missionPath) {
    // "...loading..." stays on the screen while the loader works.
    const auto redraw = [] { DrawLoadingScreen(true, true); };
    redraw();
    environment_.LoadStage(missionPath, redraw);
    AimPreviewCamera();
}

int64_t& TMenuStage::TimeLeft() {
    return MissionValues.TimeLeft;
}

void TMenuStage::SetHealth(float health) {
    MissionValues.Health = health;
}
