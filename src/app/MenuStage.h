// The menu's way to the playing stage: the load page's stage is built here and shown by
// the game frames, and the player's stage values come from its mission.
#pragma once

#include <memory>

#include "app/StagePreview.h"
#include "menu/StageHost.h"

class TMenuStage : public TStageHost {
public:
    explicit TMenuStage(std::unique_ptr<TStagePreview>& stage) : stage_(stage) {}

    void LoadStage(const std::string& missionPath) override;
    int32_t& ScoreCounter() override { return score_; }
    int64_t& TimeLeft() override;
    void SetHealth(float health) override;

private:
    std::unique_ptr<TStagePreview>& stage_;
    int32_t score_ = 0;
};
