// The stage's gameplay controllers together.
#include "gameplay/Gameplay.h"

#include <cstdio>

#include "gameplay/HudState.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"
#include "world/CarTypes.h"
#include "world/MissionValues.h"
#include "world/Track.h"

namespace {

constexpr int kNumpad1 = 0x61;
constexpr int kNumpad2 = 0x62;

} // namespace

TPlayerInput ReadPlayerInput(const TKeys& keys) {
    TPlayerInput input;
    input.forward = keys.ActionPressed(KP_FORWARD);
    input.backward = keys.ActionPressed(KP_BACKWARD);
    input.left = keys.ActionPressed(KP_LEFT);
    input.right = keys.ActionPressed(KP_RIGHT);
    input.shoot = keys.ActionPressed(KP_SHOOT);
    input.missile = keys.ActionPressed(KP_MISSILE);
    input.cameraShift = (keys.IsPressed(kNumpad2) ? 1 : 0) - (keys.IsPressed(kNumpad1) ? 1 : 0);
    return input;
}

TGameplay::TGameplay() {
    game.player = &player;
    game.traffic = &traffic;
    game.tracers = &tracers;
    game.rockets = &rockets;
    game.hud = &hud;
    game.track = &lanes_;
}

void TGameplay::LoadAssets() {
    player.LoadAssets();
    traffic.LoadAssets();
    tracers.LoadAssets();
    rockets.LoadAssets();
    hud.LoadAssets();
}

void TGameplay::ResetStage(const TMissionValues& mission, const TTrack* track) {
    lanes_.SetTrack(track);
    traffic.Clear();
    traffic.SetMaxCount(mission.TrafficMaxCount);
    tracers.Clear();
    rockets.Clear();
    player.SetMission(mission);
    player.ResetForStage();
    hud.ResetForStage(mission);
}

void TGameplay::Update(int dt, TPlayerInput& input) {
    game.soundVolume = Config ? Config->SoundVolume : 255;
    tracers.Update(dt);
    rockets.Update(dt);
    player.distanceTravelled = DistanceTravelled;
    player.Update(dt, input);
    traffic.Update(dt);
}

void TGameplay::MarkAim(const TVector4& aim) {
    game.aim = aim;
    traffic.MarkAimed(aim);
}

void TGameplay::RenderProjectiles() const {
    tracers.Render();
    rockets.Render();
}

void TGameplay::DrawHud(int step, const THudView& view, const TCrosshair* crosshair) {
    hud.Advance(step);
    hud.Draw(view, crosshair);
}

std::string TGameplay::TraceFields() const {
    // The special mission: -1 none, 1 achieved so far, 0 not.
    const int special = !SpecMission.Enabled                                             ? -1
                        : SpecMission.NeutralAlive == 0 && SpecMission.FriendLosses == 0 ? 1
                                                                                         : 0;
    char text[240];
    std::snprintf(text, sizeof text,
                  "x=%.3f speed=%.3f health=%.1f shield=%.1f score=%d time=%d cars=%d bonus=%d destroyed=%d "
                  "special=%d",
                  player.position.x, player.speed, player.Health, player.Shield, player.score.Current(),
                  player.TimeLeft, traffic.LiveCount(), ActiveBonus, traffic.DestroyedCount(), special);
    return text;
}
