// The replays folder: the last ten runs ("run-DATE_TIME-stageNN.kreplay") and, per profile and
// stage, the run with the best score ("best-stageNN-PROFILE.kreplay"). Every file is written
// whole or not at all; a folder that cannot be written costs the replay, never the game.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "app/ReplayFile.h"

constexpr int kKeptRuns = 10;

// A name for a new run's file in `folder` that no file has yet.
std::string NewRunPath(const std::string& folder, int stage, const std::tm& localTime);
// Writes the run to `path`, then keeps the ten newest runs and, for a finished stage, the
// best of its profile and stage. False when the run could not be written.
bool StoreRun(const std::string& folder, const std::string& path, const TReplay& run);
// The stored best runs, by path.
std::vector<std::string> BestRuns(const std::string& folder);
