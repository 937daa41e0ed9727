// The menu's way to the playing stage: the load page's mission is loaded by the game
// environment, and the player's stage values come from its mission.
#pragma once

#include "menu/StageHost.h"

class TEnvironment;

class TMenuStage : public TStageHost {
public:
    explicit TMenuStage(TEnvironment& environment) : environment_(environment) {}

    void LoadStage(const std::string& missionPath) override;
    int32_t& ScoreCounter() override { return score_; }
    int64_t& TimeLeft() override;
    void SetHealth(float health) override;

private:
    TEnvironment& environment_;
    int32_t score_ = 0;
};
