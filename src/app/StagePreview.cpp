// A stage shown through the game environment with nobody driving.
#include "app/StagePreview.h"

#include <string>

#include "app/Environment.h"
#include "gameplay/GameState.h"
#include "gameplay/PlayerState.h"
#include "resources/DataPath.h"
#include "world/Camera.h"
#include "world/MissionValues.h"

namespace {

// One block a second: slow enough to see the blocks pass.
constexpr float PreviewSpeed = 40;

} // namespace

void StartStagePreview(TEnvironment& environment, int stage) {
    environment.LoadStage(DataPath("Data\\Maps\\Track" + std::to_string(stage) + ".cfg"));
    AimPreviewCamera();
    MenuActive = false;
}

void AimPreviewCamera() {
    CameraPosition = {0, MissionValues.CameraHorizontal, MissionValues.CameraVertical, 0};
    CameraAngles = {0, MissionValues.CameraAngle, 180, 0};
    ForwardVelocity = PreviewSpeed;
}
