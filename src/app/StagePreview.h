// "--stage=N": the game environment plays stage N without player or traffic, for tests,
// benchmarks and demos. The track scrolls at a steady speed under the stage's camera.
#pragma once

class TEnvironment;

// Loads the stage's mission file into `environment` and starts game frames; raises the
// loader's errors.
void StartStagePreview(TEnvironment& environment, int stage);
// The loaded stage's camera where the player would put it, and the road moving under it.
void AimPreviewCamera();
