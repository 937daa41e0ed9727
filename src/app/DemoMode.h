// The main page's demo: after 30 s without input there, a stored best run is played back, or
// where there is none a random stage is played by the autopilot, behind a "DEMO" line; any
// key or click returns to the main page with the settings, profiles, high scores and mission
// state as they were.
#pragma once

#include <cstdint>
#include <memory>

#include "settings/Configure.h"
#include "world/CarTypes.h"
#include "world/MissionValues.h"

class TEnvironment;
class TReplaySession;

class TDemoMode {
public:
    static constexpr uint32_t kIdleTime = 30000; // ms

    TDemoMode(TEnvironment& environment, TReplaySession& replays)
        : environment_(environment), replays_(replays) {}

    // Once per frame before the menu or game frame, with the frame's step and whether the
    // player pressed a key or button or moved the pointer. Starts or ends the demo; true
    // when the demo ended in this frame (the keys that ended it are not to reach the page).
    bool Frame(uint32_t step, bool input);
    bool Running() const { return running_; }
    // The "DEMO" line over the game frame.
    void DrawLine(int width, int height) const;

private:
    void Start();
    void Stop();

    TEnvironment& environment_;
    TReplaySession& replays_;
    uint32_t idle_ = 0;
    bool running_ = false;
    // What a played stage changes, put back when the demo ends.
    TConfig config_;
    TMissionValues mission_;
    TSpecMission special_;
    bool recording_ = true;
};
