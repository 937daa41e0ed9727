// Loading a stage from its mission file ("Data\Maps\Track" + stage + ".cfg"): camera and
// player values, special mission, track, time, music, weather, traffic sections.
#pragma once

#include "world/WorldAssets.h"

#include <functional>
#include <string>

class TCarGeneric;
class TWeather;

// What a mission load works on besides the shared tables; every hook may be empty.
struct TMissionStage {
    explicit TMissionStage(TWorldAssets& assets) : Assets(assets) {}

    TWorldAssets& Assets;
    TCarGeneric* Generator = nullptr;
    TWeather* Weather = nullptr;
    std::function<void()> RedrawLoadingScreen;
    // Replaces the track by one built from the block list file (full path).
    std::function<void(const std::string& listFile)> CreateTrack;
    // Switches the new track to the block sequence in the file (full path).
    std::function<void(const std::string& sequenceFile)> LoadSequence;
    // Random mode: the stage's track length.
    std::function<void(int length)> SetTrackLength;
    // Step 19's resets owned by others: track scroll and position, the traffic's cars,
    // distance travelled, the player (its speed and the mission's top speed and music from
    // MissionValues), the HUD counters and active bonus, and the sprite effects.
    std::function<void()> ResetStage;
};

// Reads the mission file `fileName` (full path) and sets up the stage. A car type whose Type
// is not a global car type, or whose Weapon is not in the weapon list, raises an error
// naming the file and the section.
void LoadMission(const std::string& fileName, TMissionStage& stage);
