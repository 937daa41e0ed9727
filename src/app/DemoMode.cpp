// The main page's demo.
#include "app/DemoMode.h"

#include <GL/gl.h>

#include "app/Environment.h"
#include "app/ReplaySession.h"
#include "app/StagePreview.h"
#include "core/Random.h"
#include "gameplay/GameState.h"
#include "resources/Out2D.h"

bool TDemoMode::Frame(uint32_t step, bool input) {
    if (running_) {
        // A key or click, or the stage's own end (its pages would file scores), ends it.
        if (!input && !MenuActive) return false;
        Stop();
        return true;
    }
    const bool waiting = MenuActive && CurrentMenuPage == PAGE_MAIN && !MissionValues.GameInProgress;
    if (!waiting || input) {
        idle_ = 0;
        return false;
    }
    idle_ += step;
    if (idle_ >= kIdleTime) Start();
    return false;
}

void TDemoMode::Start() {
    config_ = *Config;
    mission_ = MissionValues;
    special_ = SpecMission;
    running_ = true;
    idle_ = 0;
    recording_ = replays_.Recording();
    replays_.SetRecording(false);
    if (!replays_.PlayStoredBest()) StartStagePreview(environment_, 1 + Random(15));
}

void TDemoMode::Stop() {
    *Config = config_;
    MissionValues = mission_;
    SpecMission = special_;
    replays_.StopPlayback();
    replays_.SetRecording(recording_);
    running_ = false;
    MenuActive = true;
    CurrentMenuPage = PAGE_MAIN;
}

void TDemoMode::DrawLine(int width, int height) const {
    if (!Out2D || width <= 0 || height <= 0) return;
    UseDeviceCoordinates();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    Out2D->SelectFont(FONT_18);
    const float x = -static_cast<float>(Out2D->TextWidth("DEMO")) / width;
    glColor4f(1, 1, 0, 1);
    Out2D->PrintText("DEMO", FONT_18, x, 1 - 300.0f * Out2D->Scale() / height); // below the HUD's top panels
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
}
