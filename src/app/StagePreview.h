// "--stage=N": the game environment plays stage N at once, without the menu, for tests,
// benchmarks and demos: the player's car, the traffic, the weapons and the HUD.
#pragma once

class TEnvironment;

// Loads the stage's mission file into `environment` and starts game frames; raises the
// loader's errors.
void StartStagePreview(TEnvironment& environment, int stage);
