// The sprites, textures and debris model that the game environment loads once for the
// parts that draw smoke, flames, shadows and wreckage.
#pragma once

#include <array>

class THSAModel;
class TSimpleEffect;

struct TSceneAssets {
    const TSimpleEffect* Smoke = nullptr;
    std::array<const TSimpleEffect*, 3> RocketSmoke{};
    const TSimpleEffect* Grass = nullptr;
    const TSimpleEffect* Flare = nullptr;
    const TSimpleEffect* Snow = nullptr;
    const TSimpleEffect* SmokeFrame = nullptr;
    const TSimpleEffect* Explosion = nullptr;
    const TSimpleEffect* ShellCasing = nullptr;
    int CarShadow = 0; // texture handles
    std::array<int, 2> MuzzleFlash{};
    THSAModel* Debris = nullptr;
};

// Filled by the game environment's construction.
extern TSceneAssets SceneAssets;
