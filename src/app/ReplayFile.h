// The replay file: what a stage started from and what each of its game frames took from
// outside the simulation, enough to play the stage again exactly with the same build and
// data. The frames are stored as changes (a run of unchanged frames is one byte) and packed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr uint32_t kReplayFormat = 1;
// About nineteen hours at 60 frames a second; longer files are taken for damaged.
constexpr uint32_t kMaxReplayFrames = 1u << 22;

// What a stage takes from before its first frame: the profile's values, the clocks, the car as
// the previous stage left it, and the view the previous stages left (which only shows).
struct TStageStart {
    int32_t score = 0;
    float health = 0;
    float shield = 0;
    int32_t timeLeft = 0;
    std::array<int32_t, 5> ammunition{}; // uzi, machine gun, shotgun, bazooka, rockets
    int64_t playTime = 0;
    int64_t frameCounter = 0;
    float cameraOffset = 0;
    float fieldOfView = 60;
    std::array<float, 2> cloudDrift{}; // along, across
    std::array<float, 2> velocity{};   // forward, lateral
    // Steering hold, shot and rocket cooldowns, rocket delay, muzzle flash, weapon shown.
    std::array<int32_t, 6> car{0, 0, 0, 0, 0, 1};
};

// Bits of TReplayFrame::controls: the six actions, Escape and the camera keys.
enum TReplayControl : uint16_t {
    RC_FORWARD = 1,
    RC_BACKWARD = 2,
    RC_LEFT = 4,
    RC_RIGHT = 8,
    RC_SHOOT = 16,
    RC_MISSILE = 32,
    RC_ESCAPE = 64,
    RC_CAMERA_UP = 128,   // numpad 2
    RC_CAMERA_DOWN = 256, // numpad 1
    RC_ALL = 511,
};

struct TReplayFrame {
    uint8_t step = 0;            // the frame step, ms (at most 25)
    uint8_t scaledStep = 0;      // what the game advanced by (slow motion divides the step)
    uint8_t divisor = 1;         // the slow-motion divisor, 1 .. 4
    uint16_t controls = 0;       // TReplayControl bits
    std::array<float, 3> aim{};  // the crosshair's world point
    std::optional<float> health; // set outside play (a code typed on the main page)
};

enum TReplayOutcome : uint8_t { RO_UNFINISHED, RO_COMPLETE, RO_LOST };

struct TReplay {
    std::string gameVersion;
    int32_t stage = 1;
    uint64_t missionDigest = 0;
    uint64_t dataDigest = 0;
    uint64_t seed = 0; // both random streams at the stage's load
    std::string profile;
    TStageStart start;
    uint8_t outcome = RO_UNFINISHED;
    int32_t finalScore = 0;
    std::vector<TReplayFrame> frames;
};

std::string WriteReplay(const TReplay& replay);
// Raises EGameError naming `name` when `bytes` are not a replay this game reads, or are
// damaged or cut short.
TReplay ReadReplay(const std::string& bytes, const std::string& name);
