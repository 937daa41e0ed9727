// What the gameplay controllers share during a stage: each other, the effect managers, the
// sprites the game environment loaded, and the per-frame values of the frame loop. The game
// environment owns all of it and fills in the frame values before each update; tests build
// one by hand with whichever controllers they need.
#pragma once

#include <array>
#include <cstdint>

#include "resources/Vector.h"

class TEffects;
class TFakeLightControl;
class THUD;
class TPlayer;
class TRocketControl;
class TSimpleEffect;
class TTrafficControl;
class TTrafficTrack;
class TTrasserControl;

struct TGameSprites {
    const TSimpleEffect* smoke = nullptr;
    const TSimpleEffect* grass = nullptr;
    const TSimpleEffect* explosion = nullptr;
    std::array<const TSimpleEffect*, 3> rocketSmoke{};
    const TSimpleEffect* shell = nullptr;
};

struct TGameContext {
    TPlayer* player = nullptr;
    TTrafficControl* traffic = nullptr;
    TTrasserControl* tracers = nullptr;
    TRocketControl* rockets = nullptr;
    THUD* hud = nullptr;
    TEffects* effects = nullptr;        // may be null: no particles
    TFakeLightControl* glows = nullptr; // may be null: no glows
    const TTrafficTrack* track = nullptr;
    TGameSprites sprites;
    std::array<int, 2> flashTextures{}; // the muzzle flash, "flash1.png" and "flash2.png"

    // Set by the game environment each frame.
    TVector4 aim;             // the crosshair's world point
    int64_t playTime = 0;     // ms since program start, advanced by every update
    uint32_t frameStep = 0;   // the unscaled step of the frame loop
    uint32_t timeDivisor = 1; // 1 normal .. 4 slow motion
    int soundVolume = 255;    // 0..255
};

// Plays `sample` at the context's sound volume through the sound library, when there is one.
void PlayGameSound(const TGameContext& game, int sample);
// The same as a 3D sound at `position`.
void PlayGameSound3D(const TGameContext& game, int sample, const TVector4& position);
