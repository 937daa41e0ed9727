// The game environment: creates the world's controllers, owns them and everything a stage
// creates, and runs one game frame as Update then Render, each in its fixed order. The
// global names the other parts use (CurrentTrack, Weather, LightsControl, Effects,
// FakeLights, Crosshair) point into it; only it creates and frees what they point to.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/MotionBlur.h"
#include "app/ReplayFile.h"
#include "app/UpdateGuard.h"
#include "gameplay/Autopilot.h"
#include "resources/ClearCells.h"
#include "world/CarGeneric.h"
#include "world/WorldAssets.h"

class TAutopilot;
class TCrosshair;
class TEffects;
class TFakeLightControl;
class TGameplay;
class TLightsControl;
class TPlayer;
class TReplaySession;
class TSimpleEffect;
class TTrack;
class TWeather;

class TEnvironment : private TTrafficCars {
public:
    // Creates the controllers and loads the shared scene assets with their log lines, then
    // the global game tables ("Global.cfg").
    TEnvironment();
    ~TEnvironment() override;
    TEnvironment(const TEnvironment&) = delete;
    TEnvironment& operator=(const TEnvironment&) = delete;

    // Runs the mission loader on `missionFile` (full path); the new stage's track replaces,
    // and frees, the previous one. `redraw` repaints the loading screen as the load goes on.
    void LoadStage(const std::string& missionFile, std::function<void()> redraw = {});

    // One game frame with the scaled step; an error raised by a controller drops the rest
    // of that update.
    void Update(uint32_t step);
    // The 3D scene into the current framebuffer's `view` (the window's viewport, or a smaller
    // off-screen one at a render scale below 1); the HUD and menus draw over it afterwards.
    void Render(const TViewport& view);
    // The HUD over the scene, its clocks run by `step` (the scaled step).
    void DrawHud(uint32_t step);

    bool StageLoaded() const { return track_ != nullptr; }
    // The player's fields of the trace line, and the digest of the whole simulation state.
    std::string TraceFields() const;

    // Replays record each game frame's inputs, or put their own in its place.
    void SetReplays(TReplaySession* replays) { replays_ = replays; }
    // What the stage took from before its first frame, and the same put back.
    TStageStart StageStart() const;
    void RestoreStageStart(const TStageStart& start);

    // What the autopilot does in the next frame of the stage, seen through `viewport`.
    TAutopilotControls AutopilotControls(const TViewport& viewport);

    uint32_t LastStep() const { return lastStep_; }
    TPlayer& Player();

private:
    // The car generator's view of the traffic.
    int CarCount() const override;
    int CarLane(int index) const override;
    float CarY(int index) const override;
    int MaxCount() const override;
    void AddCar(const TSpawnedCar& car) override;

    void LoadSceneAssets();
    void ResetStage();
    void UpdateControllers(uint32_t step);
    void DrawShadowVolumes();
    void DarkenShadowedPixels(const TViewport& view);
    void DrawCloudShadows();
    std::string StateDigest() const;

    TLibraryAssets assets_;
    uint32_t lastStep_ = 0;
    int cloudTexture_ = 0;
    std::optional<TClearCells> cloudCells_; // read from the texture when first drawn
    float cloudDriftAlong_ = 0;
    float cloudDriftAcross_ = 0;

    // The controllers, in the order they are created.
    std::unique_ptr<TEffects> effects_;
    std::unique_ptr<TFakeLightControl> glows_;
    std::unique_ptr<TLightsControl> lights_;
    std::unique_ptr<TCrosshair> crosshair_;
    std::unique_ptr<TSimpleEffect> shellEffect_;
    std::unique_ptr<TWeather> weather_;
    // The player, the traffic (the generator's traffic), tracers, rockets and the HUD.
    std::unique_ptr<TGameplay> gameplay_;
    TCarGeneric generator_{*this};
    std::unique_ptr<TAutopilot> autopilot_;
    TMotionBlur blur_;
    TUpdateGuard guard_;
    TReplaySession* replays_ = nullptr;

    // What a stage creates.
    std::unique_ptr<TTrack> track_;
};

// Created at start-up after the key table; never replaced.
extern TEnvironment* Environment;
