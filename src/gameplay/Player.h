// The player's armed car: driving, health, shield, the stage clock, the gunner's weapons and
// the end of a stage. The car stays near y = -40; the world scrolls past at its forward
// velocity. Update is the whole simulation step (the world points the render of other
// controllers read are placed there too); Render only draws.
#pragma once

#include <array>
#include <cstdint>

#include "gameplay/GameContext.h"
#include "gameplay/Score.h"
#include "world/VehicleContact.h"

class THSAModel;
struct TAnimation;
struct TMissionValues;

// The driver's and the gunner's controls for one frame.
struct TPlayerInput {
    bool forward = false;
    bool backward = false;
    bool left = false;
    bool right = false;
    bool shoot = false;
    bool missile = false;
    int cameraShift = 0;      // numpad 2: +1, numpad 1: -1
    bool missileUsed = false; // set when a rocket left: its key's latch is to be cleared
};

enum TStageOutcome { STAGE_PLAYING, STAGE_COMPLETE, STAGE_LOST };

// Where the parts of the car model sit relative to the car's origin (car space, heading 0).
struct TPlayerBody {
    std::array<TVector4, 4> wheels;   // rb, lb, rt, lt
    std::array<TVector4, 8> hitBoxes; // fbr, fbl, bbl, bbr, front, back, left, right
    TVector4 weapon;
    TVector4 flash; // the gun gunner's muzzle, relative to the weapon point
    TVector4 engine;
    TVector4 smoke;
};
// A car of the generated model's proportions, for a player without loaded models.
TPlayerBody DefaultPlayerBody();

struct TTrailRecord {
    float heading = 0;
    TVector4 position;
};

class TPlayer {
public:
    static constexpr float kMaxLean = 0.17453293f; // 10 degrees

    explicit TPlayer(TGameContext& game);
    ~TPlayer();

    // Models, sounds and textures; needs the game's GL context and libraries.
    void LoadAssets();
    // The mission's values for the player: speeds, health, clock, camera.
    void SetMission(const TMissionValues& mission);

    void Respawn();
    void ResetForStage();
    void Update(int dt, TPlayerInput& input);
    void Render() const;

    // The steering limit at the current speed.
    float MaxHeading() const;
    float Heading() const { return rotation.z; }

    TScore score;
    TVector4 position;
    TVector4 rotation; // y: lean, z: heading (radians)
    float speed = 0;
    float forwardVelocity = 0;
    float lateralVelocity = 0;
    int steerHold = 0;
    int MaxSpeed = 100;
    int MinSpeed = 0;
    float Health = 1000;
    float MaxHealth = 1000;
    float Shield = 0;
    int TimeLeft = 10000 * 1000;
    int KillBoxDamagePerSecond = 0;
    bool Active = false;
    bool Destroyed = false;
    int blinkTime = 0;
    int shootCooldown = 0;
    int rocketCooldown = 0;
    int rocketDelay = 0;
    int muzzleFlashTime = 0;
    int nextExplosionTime = 0;
    int dyingTime = 0;
    int weaponKind = 1;
    TStageOutcome outcome = STAGE_PLAYING;

    // The track's stage: distance travelled (written by the track) and its length in blocks.
    float distanceTravelled = 0;
    int stageBlocks = 0;

    // Camera, as the update leaves it for the game environment.
    float cameraHeight = 100;
    float cameraPitch = 0;
    float cameraOffset = 0;
    float cameraHorizontal = 12 - 40;
    float missionVertical = 50;
    float missionAngle = -38;
    TVector4 cameraPosition;

    // World points, placed at the end of every update.
    TVehicleContact contact; // wheels and their surfaces, shared with the track
    std::array<TVector4, 10> hitPoints;
    TVector4 weaponPoint;
    TVector4 muzzlePoint;
    TVector4 enginePoint;
    TVector4 smokePoint;
    std::array<TTrailRecord, 5> trail{};

    TPlayerBody body = DefaultPlayerBody();

private:
    void RunInOrOut(int dt);
    void Die(int dt);
    void EmitDamageSmoke();
    void HandleRocketButton(TPlayerInput& input);
    void HandleFireButton(const TPlayerInput& input);
    void FireBullet(float damage);
    void FireShotgunPellet(float angle, float damage);
    void ControlSpeed(int dt, const TPlayerInput& input);
    // `maxHeading` is the limit taken at the start of the update, before the speed changed.
    void Steer(int dt, const TPlayerInput& input, float maxHeading);
    void PlaceWorldPoints();
    void EmitRunningEffects();
    bool AnyWheelOn(int type) const;
    bool BonusActive(int type) const;
    float GunnerTurn() const;
    // PlayerDraw.cpp. PoseCar poses the car model for its state and gives the root offset.
    TVector4 PoseCar() const;
    void DrawCarModel(const TVector4& at, float heading, float lean, float scale) const;
    void DrawBody(const TVector4& at, float alpha) const;
    void DrawTrail(float alpha) const;

    TGameContext& game_;

    // Assets, null until LoadAssets.
    THSAModel* car_ = nullptr;
    std::array<THSAModel*, 4> gunners_{}; // gun, uzi, shotgun, machine gun
    int soundGun_ = 0;
    int soundUzi_ = 0;
    int soundAssault_ = 0;
    int soundShotgun_ = 0;
    int soundRocket_ = 0;
    int soundExplosion_ = 0;
    // The animation and frame the car model was last posed with.
    mutable const TAnimation* posedAnimation_ = nullptr;
    mutable int posedFrame_ = -1;
};
