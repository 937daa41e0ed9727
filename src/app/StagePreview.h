// A stage played at once, without the menu: "--stage=N" loads the mission at start-up, and
// game frames run the player, the traffic and the weapons over the track and draw the world
// in the game's render order, then the HUD.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/MotionBlur.h"
#include "app/UpdateGuard.h"
#include "world/CarGeneric.h"
#include "world/WorldAssets.h"

class TCrosshair;
class TEffects;
class TFakeLightControl;
class TGameplay;
class TSimpleEffect;
class TWeather;

class TStagePreview : private TTrafficCars {
public:
    // Loads "Global.cfg" and the stage's mission file; raises the loaders' errors.
    explicit TStagePreview(int stage);
    ~TStagePreview() override;

    void Update(uint32_t step);
    void Render();
    void DrawHud(uint32_t step);
    // The player's fields of the trace line.
    std::string TraceFields() const;

private:
    int CarCount() const override;
    int CarLane(int index) const override;
    float CarY(int index) const override;
    int MaxCount() const override;
    void AddCar(const TSpawnedCar& car) override;

    void UpdateControllers(int dt);
    void DrawShadowVolumes();
    void DarkenShadowedPixels();

    TLibraryAssets assets_;
    std::unique_ptr<TEffects> effects_;
    std::unique_ptr<TFakeLightControl> glows_;
    std::unique_ptr<TCrosshair> crosshair_;
    std::unique_ptr<TSimpleEffect> shell_;
    std::unique_ptr<TWeather> weather_;
    std::unique_ptr<TGameplay> gameplay_;
    TCarGeneric generator_{*this};
    TMotionBlur blur_;
    TUpdateGuard guard_;
};
