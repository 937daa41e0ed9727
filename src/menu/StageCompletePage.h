// The stage result over the frozen scene: reward, time left and score counted up, the
// special mission when it was done, and "Next".
#pragma once

#include <string>

#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MenuPage.h"
#include "menu/MenuWindow.h"
#include "menu/StageTally.h"

class TStageCompletePage : public TMenuPage {
public:
    static constexpr int Number = PAGE_STAGE_COMPLETE;
    explicit TStageCompletePage(TMenu& owner);

    void Draw(uint32_t step, float x, float y) override;

private:
    void DrawLines();
    void Next();

    TMenuWindow window_;
    TStageTally tally_;
    TButton next_;
    float resultX_[3] = {};
};

// Whether the stage's special mission counts as done: only a stage that has one, and only
// when none of its neutral cars is left and no friend was lost.
bool SpecialMissionDone();
// "MM:SS:CC" with at least two digits each.
std::string TimeText(int64_t minutesSecondsFrom, int64_t hundredthsFrom);
