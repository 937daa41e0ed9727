// Loading the menu's stage.
#include "app/MenuStage.h"

#include "menu/StageLoadingScreen.h"
#include "world/MissionValues.h"

void TMenuStage::LoadStage(const std::string& missionPath) {
    // "...loading..." stays on the screen while the loader blocks.
    DrawLoadingScreen(true, true);
    stage_.reset();
    stage_ = std::make_unique<TStagePreview>(missionPath);
}

int64_t& TMenuStage::TimeLeft() {
    return MissionValues.TimeLeft;
}

void TMenuStage::SetHealth(float health) {
    MissionValues.Health = health;
}
