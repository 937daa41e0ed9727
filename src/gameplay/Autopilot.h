// The autopilot: plays a stage through what a player has, the six key actions and the pointer,
// from what a player sees: the road's surfaces ahead, the traffic and its kinds, the car's
// health, clock, ammunition and bonus. Whole-game tests, the benchmarks and the demo run on it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

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
    float LineCost(float line) const;
    float SettlePoint() const;
    bool SteerLeft(float line, bool& right) const;

    const TGameContext& game_;
    TSurfaceProbe surface_;
    float line_ = 0;
    bool lineChosen_ = false;
    TVector4 lastTarget_{};
    bool hasTarget_ = false;
    bool missileHeld_ = false;
};
