// Loading a stage: the loader runs on the first frame, and any key then starts the stage.
#include "menu/LoadPage.h"

#include "menu/Menu.h"
#include "menu/MenuGlobals.h"
#include "menu/MenuLayout.h"
#include "menu/StageHost.h"
#include "menu/StageLoadingScreen.h"
#include "resources/DataPath.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"

std::string StageMissionPath(int stage) {
    return DataPath("Data\\Maps\\Track" + std::to_string(stage) + ".cfg");
}

void TLoadPage::Prepare(const std::string& missionPath) {
    missionPath_ = missionPath;
    loadPending_ = true;
    StageReady = false;
    LoadingPicture =
        LoadMenuTexture("Data\\Maps\\Loading_Level" + std::to_string(CurrentProfile().Stage) + ".jpg");
}

void TLoadPage::Draw(uint32_t, float, float) {
    if (loadPending_) {
        StageReady = false;
        Owner.Stage.LoadStage(missionPath_);
        Owner.Stage.SetScore(0);
        StageReady = true;
    }
    DrawLoadingScreen(false, true);
    loadPending_ = false;
    if (Keys->AnyPressed()) MenuActive = false;
}
