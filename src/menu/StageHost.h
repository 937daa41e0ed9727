// What the menu asks of the owner of the playing stage, which lives above the menu: loading
// a stage, and the player's values the progression pages read and change.
#pragma once

#include <cstdint>
#include <string>

class TStageHost {
public:
    virtual ~TStageHost() = default;
    // Runs the mission loader on `missionPath` (a full path); blocks while it loads.
    virtual void LoadStage(const std::string& missionPath) = 0;
    // The player's score counter of the stage being played.
    virtual int32_t Score() const = 0;
    virtual void SetScore(int32_t score) = 0;
    // Milliseconds left on the stage's clock.
    virtual int64_t TimeLeft() const = 0;
    virtual void SetTimeLeft(int64_t ms) = 0;
    virtual void SetHealth(float health) = 0;
};
