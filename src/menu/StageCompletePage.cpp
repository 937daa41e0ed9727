// The stage-complete page.
#include "menu/StageCompletePage.h"

#include <cstdio>

#include "menu/MenuGlobals.h"
#include "menu/PageTable.h"
#include "menu/StageHost.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"
#include "world/CarTypes.h"
#include "world/MissionValues.h"

namespace {

const char* const Templates[3] = {"Reward: 00000", "Time to remain: 00:00:00", "Score: 000000"};
const float LineOffsets[3] = {105, 140, 175};

// The profile carries one kind of bullets: a reward of one kind replaces the others.
void ApplySpecialReward(TGamePlayer& profile, int32_t& score) {
    if (SpecMission.Uzi > 0) {
        profile.Uzi += SpecMission.Uzi;
        profile.Shotgun = profile.Machinegun = profile.Bazooka = 0;
    }
    if (SpecMission.Shotgun > 0) {
        profile.Shotgun += SpecMission.Shotgun;
        profile.Uzi = profile.Machinegun = profile.Bazooka = 0;
    }
    if (SpecMission.Machinegun > 0) {
        profile.Machinegun += SpecMission.Machinegun;
        profile.Shotgun = profile.Uzi = profile.Bazooka = 0;
    }
    if (SpecMission.Bazooka > 0) {
        profile.Bazooka += SpecMission.Bazooka;
        profile.Shotgun = profile.Uzi = profile.Machinegun = 0;
    }
    profile.Rockets += SpecMission.Rockets;
    score += SpecMission.Score;
}

} // namespace

bool SpecialMissionDone() {
    return SpecMission.Enabled && SpecMission.NeutralAlive == 0 && SpecMission.FriendLosses == 0;
}

std::string TimeText(int64_t minutesSecondsFrom, int64_t hundredthsFrom) {
    char text[64];
    std::snprintf(text, sizeof(text), "%02lld:%02lld:%02lld",
                  static_cast<long long>(minutesSecondsFrom / 60000),
                  static_cast<long long>(minutesSecondsFrom % 60000 / 1000),
                  static_cast<long long>(hundredthsFrom % 60000 % 1000 / 10));
    return text;
}

TStageCompletePage::TStageCompletePage(TMenu& owner)
    : TMenuPage(owner), window_(TMenuWindow::LargeWith("Data\\Menu\\Question_window.png")),
      next_(BUTTON1_OUT, BUTTON1_IN, "Next") {}

void TStageCompletePage::Draw(uint32_t step, float x, float y) {
    if (LayoutChanged()) {
        window_.Relayout();
        for (int i = 0; i < 3; ++i)
            resultX_[i] = window_.CentredX(Templates[i], FONT_14);
        next_.SetRect(window_.Rect(150, 266, 285, 255));
    }
    window_.Draw();
    int32_t reward = MissionValues.Reward;
    int32_t score = Owner.Stage.Score();
    int64_t timeLeft = Owner.Stage.TimeLeft();
    tally_.Advance(step, EscapeUsed(), reward, score, timeLeft);
    MissionValues.Reward = reward;
    Owner.Stage.SetScore(score);
    Owner.Stage.SetTimeLeft(timeLeft);
    DrawLines();
    if (next_.Activated(x, y) && tally_.Phase() == TStageTally::LastPhase) Next();
    next_.Draw();
}

void TStageCompletePage::DrawLines() {
    const std::string title = "Stage Complete";
    PrintYellow(title, FONT_18, window_.CentredX(title, FONT_18), window_.Y(45));
    const int phase = tally_.Phase();
    const float fade = tally_.Fade();
    const int64_t timeLeft = Owner.Stage.TimeLeft();
    const std::string labels[3] = {"Reward: ", "Time to remain: ", "Score: "};
    const std::string reward = labels[0] + std::to_string(MissionValues.Reward);
    const std::string time =
        labels[1] + TimeText(timeLeft, phase == 3 ? timeLeft : timeLeft - tally_.TimeTicks());
    const std::string score =
        labels[2] + std::to_string(Owner.Stage.Score() + (phase >= 6 ? tally_.CountedTimePoints() : 0));
    const std::string full[3] = {reward, time, score};
    for (int line = 0; line < 3; ++line) {
        const int shown = phase - 2 * line; // 0: the label fades in, 1: the value fades in, 2+: all shown
        if (shown < 0) continue;
        const float x = resultX_[line];
        const float y = window_.Y(LineOffsets[line]);
        if (shown >= 2) {
            PrintYellow(full[line], FONT_14, x, y);
        } else if (shown == 1) {
            PrintYellow(labels[line], FONT_14, x, y);
            PrintColoured(full[line], FONT_14, x, y, 1, 1, 0, fade);
        } else {
            PrintColoured(labels[line], FONT_14, x, y, 1, 1, 0, fade);
        }
    }
    if (phase == TStageTally::LastPhase && SpecialMissionDone()) {
        const std::string done = "Special Mission Complete";
        PrintColoured(done, FONT_18, window_.CentredX(done, FONT_18), window_.Y(220), 0, 1, 0);
        PrintColoured(SpecMission.Text, FONT_14, -PixelsX(MeasureText(FONT_14, SpecMission.Text).w) / 2,
                      window_.Y(240), 0, 1, 0);
    }
}

void TStageCompletePage::Next() {
    tally_.Restart();
    TGamePlayer& profile = CurrentProfile();
    int32_t score = Owner.Stage.Score();
    if (profile.Stage >= 16) {
        profile.Score += score;
        ClearAllKeys();
        MissionValues.GameInProgress = false;
        CurrentMenuPage = PAGE_FINAL;
        return;
    }
    CurrentMenuPage = PAGE_LOAD;
    if (SpecialMissionDone()) ApplySpecialReward(profile, score);
    profile.Score += score;
    Owner.Stage.SetScore(score);
    PageOf<PAGE_LOAD>(Owner).Prepare(StageMissionPath(profile.Stage));
}
