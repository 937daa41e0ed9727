// Loading the menu's stage.
#include "app/MenuStage.h"

#include "world/MissionValues.h"

void TMenuStage::LoadStage(const std::string& missionPath) {
    stage_.reset();
    stage_ = std::make_unique<TStagePreview>(missionPath);
}

int64_t& TMenuStage::TimeLeft() {
    return MissionValues.TimeLeft;
}

void TMenuStage::SetHealth(float health) {
    MissionValues.Health = health;
}
