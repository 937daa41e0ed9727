// The menu's way to the playing stage: the load page's mission is loaded by the game
// environment, and the stage values the progression pages read and change are the player's.
#pragma once

#include "menu/StageHost.h"

class TEnvironment;

class TMenuStage : public TStageHost {
public:
    explicit TMenuStage(TEnvironment& environment) : environment_(environment) {}

    void LoadStage(const std::string& missionPath) override;
    int32_t Score() const override;
    void SetScore(int32_t score) override;
    int64_t TimeLeft() const override;
    void SetTimeLeft(int64_t ms) override;
    void SetHealth(float health) override;

private:
    TEnvironment& environment_;
};
