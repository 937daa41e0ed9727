// The autopilot: plays a stage through what a player has, the six key actions and the pointer,
// from what a player sees: the road's surfaces ahead, the traffic and its kinds, the car's
// health, clock, ammunition and bonus. Whole-game tests, the benchmarks and the demo run on it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "gameplay/GameContext.h"
#include "settings/KeyControl.h"
#include "world/Camera.h"

// One frame of a player's hands: the actions held and where the pointer stands.
struct TAutopilotControls {
    std::array<bool, KP_COUNT> held{};
    int pointerX = 0; // client pixels, y down
    int pointerY = 0;
};

// The surface (a TCollisionType) at a world point.
using TSurfaceProbe = std::function<int(const TVector4&)>;

class TAutopilot {
public:
    explicit TAutopilot(const TGameContext& game) : game_(game) {}

    void SetSurfaceProbe(TSurfaceProbe probe) { surface_ = std::move(probe); }
    // Forgets the line and the target of the previous stage.
    void Reset();
    // The controls for the next frame, from the scene the last frame showed in `viewport`.
    TAutopilotControls Decide(const TViewport& viewport);

    // The lateral position the driver steers for: the line ahead that keeps the wheels off
    // deadly, no-control and slow surfaces and the car out of the traffic's way.
    float ChooseLine() const;
    // The traffic car the gunner wants, or -1: attackers first, bonus carriers, then the rest;
    // never a car under the escort's protection, a hunted courier only while its mission runs.
    int ChooseTarget(const TViewport& viewport) const;

    // Sets the first bound key of each held action in a keyboard snapshot (bit 7 = down).
    static void PressKeys(const TAutopilotControls& controls, const TKeyBindings& bindings,
                          uint8_t state[256]);

private:
    static constexpr int kSamples = 17;        // points read on the road ahead, 0.1 s apart
    static constexpr int kFramesPerSample = 4; // of 25 ms each
    static constexpr int kDenseSamples = 3;    // of them, read frame by frame up to the next
    static constexpr int kRows = 2 * kSamples - 1 + 2 * kDenseSamples * (kFramesPerSample - 1);

    // The surface cost of each row of probes, for the last x it was read at.
    struct TSurfaceMemo {
        std::array<float, kRows> x;
        std::array<float, kRows> cost;
    };

    // What the next 1.6 s hold, at each sample: where the car runs if let go now, and where
    // each traffic car is and how far its body reaches along x and y.
    struct TForecast {
        std::array<float, kSamples> letGo{};
        float playerHalfX = 0;
        float playerHalfY = 0;
        struct TObstacle {
            std::array<TVector4, kSamples> at;
            std::array<TVector4, kSamples> reach;
        };
        std::vector<TObstacle> traffic;
    };

    TForecast Forecast() const;
    float RowCost(float x, float y, bool front) const;
    float LineCost(float line, const TForecast& forecast, TSurfaceMemo& memo) const;
    float LetGo(std::array<float, kSamples>* samples) const;
    bool SteerLeft(float line, bool& right) const;
    void WatchTurns();

    const TGameContext& game_;
    TSurfaceProbe surface_;
    float line_ = 0;
    bool lineChosen_ = false;
    TVector4 lastTarget_{};
    bool hasTarget_ = false;
    bool missileHeld_ = false;
    std::vector<TVector4> lastSeen_; // each traffic car's x, y and heading (z) a frame ago
    std::vector<float> turnRates_;   // each traffic car's turn, radians per second
};
