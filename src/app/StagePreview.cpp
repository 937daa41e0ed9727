// A stage played without the menu.
#include "app/StagePreview.h"

#include <string>

#include "app/Environment.h"
#include "gameplay/GameState.h"
#include "resources/DataPath.h"

void StartStagePreview(TEnvironment& environment, int stage) {
    environment.LoadStage(DataPath("Data\\Maps\\Track" + std::to_string(stage) + ".cfg"));
    MenuActive = false;
}
