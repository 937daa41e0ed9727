// Replays of stages. Every stage played is recorded, whether from the menu or with --stage, by
// a player or by the autopilot (not the demo's autopilot, and not a replay itself); a replay
// file is played back in a stage's place. The game environment hands each game frame's inputs
// through here, and the frame loop takes a replay's steps from here.
#pragma once

#include <cstdint>
#include <future>
#include <optional>
#include <string>

#include "app/ReplayFile.h"
#include "gameplay/Player.h"

class TEnvironment;

// What one game frame's update takes from outside the simulation.
struct TStageInput {
    uint32_t frameStep = 0;
    uint32_t scaledStep = 0;
    uint32_t divisor = 1;
    TPlayerInput controls;
    bool escape = false;
    TVector4 aim; // the crosshair's world point
};

struct TReplaySteps {
    uint32_t frameStep = 0;
    uint32_t scaledStep = 0;
    uint32_t divisor = 1;
};

class TReplaySession {
public:
    // `realTime`: a replay keeps to the real time it was played in (not in --fixed-step runs).
    TReplaySession(TEnvironment& environment, bool realTime)
        : environment_(environment), realTime_(realTime) {}

    // Whether the stages loaded from now on are recorded.
    void SetRecording(bool on) { recording_ = on; }
    bool Recording() const { return recording_; }

    // Reads `file`, checks that this build and data can play it and starts its stage; raises
    // EGameError saying why not.
    void Play(const std::string& file);
    // Starts one of the stored best runs this build can play; false when there is none.
    bool PlayStoredBest();
    void StopPlayback() { playing_ = false; }
    bool Playing() const { return playing_; }
    // Before a game frame of a replay: the recorded frame's steps, once its real time has come;
    // none when the replay has no frame left.
    std::optional<TReplaySteps> NextSteps();

    // The game environment's hooks: a stage about to load with the seed drawn for it (a
    // replay puts its own), the inputs at the start of each game frame's update (kept, or
    // replaced by the replay's), its end, and the first error the update guard dropped.
    void StageLoading(const std::string& missionFile, uint64_t& seed);
    void Frame(TStageInput& input);
    void FrameDone();
    void Fault(const std::string& error);
    // Where the crosshair stands while a replay plays: the aim of its next frame.
    const TVector4* AimToShow() const;

    // The program ends: the run being recorded is written as it is.
    void Close() { Finish(RO_UNFINISHED); }

private:
    void Start(TReplay replay);
    // Why this build and data cannot play `replay`; empty when they can.
    std::string Refusal(const TReplay& replay, const std::string& name);
    // The game data's digest, read on a thread from the first stage load on.
    void StartDataDigest();
    uint64_t DataDigest();
    // Writes the run so far; the path, or empty when it could not be written.
    std::string WriteRun();
    void Finish(TReplayOutcome outcome);

    TEnvironment& environment_;
    bool realTime_;
    bool recording_ = true;
    std::future<uint64_t> digesting_;
    std::optional<uint64_t> dataDigest_;

    // The run being recorded.
    std::optional<TReplay> run_;
    std::string runPath_;
    float lastHealth_ = 0;

    // The replay being played.
    bool playing_ = false;
    TReplay replay_;
    size_t next_ = 0;
    TVector4 shownAim_;
    uint32_t paceStart_ = 0;
    uint64_t paceSum_ = 0;
};
