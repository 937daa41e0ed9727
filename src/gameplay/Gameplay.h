// A stage's gameplay as the game environment runs it: the player, the traffic, tracers,
// rockets and the HUD wired to one another, updated in the game's order (tracers, rockets,
// player, traffic) and drawn at the environment's slots of the scene.
#pragma once

#include <memory>
#include <string>

#include "gameplay/GameContext.h"
#include "gameplay/HUD.h"
#include "gameplay/Player.h"
#include "gameplay/RocketControl.h"
#include "gameplay/TrafficControl.h"
#include "gameplay/TrafficTrack.h"
#include "gameplay/TrasserControl.h"

class TCrosshair;
class TKeys;
class TTrack;
struct TMissionValues;

// The player's controls of this frame, as the key table's latches hold them.
TPlayerInput ReadPlayerInput(const TKeys& keys);

class TGameplay {
public:
    TGameplay();

    // Models, sounds and textures of every controller; needs the game's GL context.
    void LoadAssets();
    // A stage starts: the mission's values, no cars, tracers, rockets or bonus.
    void ResetStage(const TMissionValues& mission, const TTrack* track);

    // One frame with the player's controls; `input.missileUsed` tells that a rocket left.
    void Update(int dt, TPlayerInput& input);
    // The traffic car under the crosshair's ground point is marked for the HUD's frame.
    void MarkAim(const TVector4& aim);
    void RenderTraffic() const { traffic.Render(); }
    void RenderPlayer() const { player.Render(); }
    void RenderProjectiles() const;
    // The HUD over the scene; runs its clocks by `step`.
    void DrawHud(int step, const THudView& view, const TCrosshair* crosshair);

    // The player's state for the trace: "x= speed= health= shield= score= time= cars= bonus=".
    std::string TraceFields() const;

    TGameContext game;
    TPlayer player{game};
    TTrafficControl traffic{game};
    TTrasserControl tracers;
    TRocketControl rockets{game};
    THUD hud{game};

private:
    TTrackLanes lanes_;
};
