// The player's car: one simulation step.
#include "gameplay/Player.h"

#include <algorithm>
#include <cmath>

#include "core/Random.h"
#include "gameplay/Aim.h"
#include "gameplay/Explosion.h"
#include "gameplay/HudState.h"
#include "gameplay/PlayerState.h"
#include "gameplay/TrafficControl.h"
#include "resources/Effects.h"
#include "resources/Matrix.h"
#include "settings/Configure.h"
#include "world/BonusTypes.h"
#include "world/CollisionTypes.h"
#include "world/MissionValues.h"

namespace {

constexpr float kRunInEnd = 120; // distance at which the driver takes over
constexpr float kBlockLength = 40;
constexpr int kDyingTime = 5000;
constexpr float kRoadHalfWidth = 40;
constexpr float kWheelFloor = 0.4f;

float PerSecond(float rate, int dt) {
    return rate * dt / 1000.0f;
}

TVector4 Turned(const TVector4& v, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return MakeVector(v.x * c - v.y * s, v.x * s + v.y * c, v.z);
}

} // namespace

TPlayerBody DefaultPlayerBody() {
    TPlayerBody body;
    const float w = 0.95f, front = -2.3f, rear = 2.3f, hz = 0.8f;
    body.wheels = {MakeVector(-0.85f, 1.5f, 0.4f), MakeVector(0.85f, 1.5f, 0.4f),
                   MakeVector(-0.85f, -1.4f, 0.4f), MakeVector(0.85f, -1.4f, 0.4f)};
    body.hitBoxes = {MakeVector(-w, front, hz), MakeVector(w, front, hz), MakeVector(w, rear, hz),
                     MakeVector(-w, rear, hz),  MakeVector(0, front, hz), MakeVector(0, rear, hz),
                     MakeVector(w, 0, hz),      MakeVector(-w, 0, hz)};
    body.weapon = MakeVector(0, -0.1f, 0.9f);
    body.flash = MakeVector(0.12f, -0.8f, 1.36f);
    body.engine = MakeVector(0, -1.6f, 1.0f);
    body.smoke = MakeVector(-0.55f, rear + 0.1f, 0.35f);
    return body;
}

TPlayer::TPlayer(TGameContext& game) : game_(game) {
    speed = 0;
    ResetForStage();
}

TPlayer::~TPlayer() {
    if (VehicleContact == &contact) VehicleContact = nullptr;
}

void TPlayer::SetMission(const TMissionValues& mission) {
    MaxSpeed = mission.MaxSpeed;
    MinSpeed = mission.MinSpeed;
    MaxHealth = mission.MaxHealth;
    Health = mission.Health;
    TimeLeft = static_cast<int>(std::min<int64_t>(mission.TimeLeft, INT32_MAX));
    KillBoxDamagePerSecond = mission.KillBoxDamagePerSecond;
    cameraHorizontal = mission.CameraHorizontal;
    missionVertical = mission.CameraVertical;
    missionAngle = mission.CameraAngle;
    stageBlocks = mission.Finish;
    outcome = STAGE_PLAYING;
}

void TPlayer::Respawn() {
    position = {};
    rotation = {};
    speed = 0;
    blinkTime = 5000;
    Health = MaxHealth;
    dyingTime = 0;
    Destroyed = false;
    nextExplosionTime = 0;
    score.ResetDisplayed();
    contact.wheelTypes = {};
    contact.wheelPoints = {};
}

void TPlayer::ResetForStage() {
    Respawn();
    Active = false;
    distanceTravelled = 0;
    cameraHeight = 100;
    cameraPitch = 0;
    position.x = -10;
    outcome = STAGE_PLAYING;
    contact.objectHit = [this] {
        Respawn();
        position.x = 0;
    };
    PlaceWorldPoints();
}

float TPlayer::MaxHeading() const {
    // Equal speeds would divide by zero: the car then steers as at its lowest speed.
    if (MaxSpeed == MinSpeed) return kPi / 8;
    return kPi / 8 - ((speed - MinSpeed) / static_cast<float>(MaxSpeed - MinSpeed)) * kPi / 16;
}

bool TPlayer::AnyWheelOn(int type) const {
    return std::find(contact.wheelTypes.begin(), contact.wheelTypes.end(), type) != contact.wheelTypes.end();
}

bool TPlayer::BonusActive(int type) const {
    return ActiveBonus == type;
}

void TPlayer::Update(int dt, TPlayerInput& input) {
    rotation.y = 0; // the lean shows one frame's change only
    const float maxHeading = MaxHeading();

    TimeLeft = std::max(TimeLeft - dt, 0);
    score.Animate(dt);
    if (muzzleFlashTime > 0) muzzleFlashTime -= dt;

    if (!BonusActive(BT_GHOST) && Active && AnyWheelOn(COL_KILL)) Health = 0;

    Active = distanceTravelled >= kRunInEnd && (stageBlocks - 1) * kBlockLength > distanceTravelled;
    if (!Active) {
        RunInOrOut(dt);
    } else if (blinkTime > 0) {
        blinkTime -= dt;
    }

    position.y = -4 * speed / 100 + 2 - 40;

    if ((Health <= 0 || TimeLeft <= 0) && !Destroyed) {
        Destroyed = true;
        dyingTime = 0;
        speed = 0;
    }
    if (Destroyed) {
        Die(dt);
    } else {
        EmitDamageSmoke();
    }

    if (rocketCooldown > 0) rocketCooldown -= dt;
    HandleRocketButton(input);
    if (shootCooldown > 0) shootCooldown -= dt;
    HandleFireButton(input);

    ControlSpeed(dt, input);

    for (int type : contact.wheelTypes) {
        if (type == COL_BACK && speed > MinSpeed) speed -= PerSecond(32, dt);
        if (type == COL_GRASS && speed > MinSpeed) speed -= PerSecond(64, dt);
    }

    cameraOffset += input.cameraShift;
    cameraPosition = {cameraOffset, cameraHorizontal, position.z + cameraHeight, 0};

    lateralVelocity = std::sin(rotation.z) * speed;
    forwardVelocity = std::cos(rotation.z) * speed;
    position.x += PerSecond(lateralVelocity, dt);

    if (Active && !AnyWheelOn(COL_NOCONTROL)) Steer(dt, input, maxHeading);
    rotation.z = std::clamp(rotation.z, -maxHeading, maxHeading);

    if (!BonusActive(BT_GHOST) && game_.traffic) game_.traffic->PlayerCollision();
    position.x = std::clamp(position.x, -kRoadHalfWidth, kRoadHalfWidth);

    PlaceWorldPoints();
    EmitRunningEffects();
    PlayerSpeed = speed;
    ::ForwardVelocity = forwardVelocity;
    ::MaxSpeed = MaxSpeed;
}

void TPlayer::RunInOrOut(int dt) {
    if (distanceTravelled < kRunInEnd) {
        speed = std::min(speed + PerSecond(16, dt), static_cast<float>(MinSpeed));
        if (position.x < -2.5f && distanceTravelled > 25) position.x += PerSecond(4, dt);
    } else {
        speed -= PerSecond(48, dt);
        ActiveBonus = -1;
        if (speed < 0 && outcome == STAGE_PLAYING) {
            if (Config && Config->CurrentPlayer >= 0 && Config->CurrentPlayer < Config->PlayerCount)
                Config->Players[Config->CurrentPlayer].Stage += 1;
            outcome = STAGE_COMPLETE;
        }
    }
    cameraPitch = missionAngle;
    cameraHeight = missionVertical;
}

void TPlayer::Die(int dt) {
    if (nextExplosionTime <= 0) {
        const float r1 = EffectRandom(8000) / 2000.0f;
        const float r2 = EffectRandom(8000) / 2000.0f;
        SpawnExplosion(game_, {position.x + r1 - 2, position.y + r2 - 2, position.z, 0});
        PlayGameSound(game_, soundExplosion_);
        nextExplosionTime = EffectRandom(400) + 100;
    } else {
        nextExplosionTime -= dt;
    }
    dyingTime += dt;
    speed = 0;
    MaxSpeed = 0;
    MinSpeed = 0;
    if (dyingTime > kDyingTime && outcome == STAGE_PLAYING) outcome = STAGE_LOST;
}

void TPlayer::EmitDamageSmoke() {
    if (Health > MaxHealth / 2 || !game_.effects || !game_.sprites.smoke) return;
    TVector4 at = enginePoint;
    at.z += 5;
    at.y += 2;
    const float v = (MaxSpeed - forwardVelocity) * game_.frameStep / 1000.0f;
    const TVector4 velocity{0, v, Health <= 0 ? 10.0f : 2.0f, 0};
    TVector4 smokeAt = at;
    smokeAt.x += EffectRandom(20) / 100.0f;
    smokeAt.y += EffectRandom(20) / 100.0f;
    game_.effects->AddParticle(game_.sprites.smoke, smokeAt, false, {0.2f, 0.2f, 0.2f, 0.5f}, velocity, 2.5f,
                               300);
    if (Health > MaxHealth / 4) return;
    TVector4 fireAt = at;
    fireAt.x += EffectRandom(50) / 100.0f;
    fireAt.y += EffectRandom(50) / 100.0f;
    game_.effects->AddParticle(game_.sprites.smoke, fireAt, false, {0.8f, 0.2f, 0.2f, 0.9f}, velocity, 2.0f,
                               150);
}

void TPlayer::ControlSpeed(int dt, const TPlayerInput& input) {
    if (Active && !Destroyed && !AnyWheelOn(COL_NOCONTROL)) {
        if (input.forward && speed < MaxSpeed) {
            speed += PerSecond(16, dt);
        }
        if (input.backward) {
            speed -= PerSecond(64, dt);
            if (speed > 10 && game_.effects && game_.sprites.smoke) {
                for (int w = 0; w < 4; ++w) {
                    const int type = contact.wheelTypes[w];
                    const bool grass = type == COL_GRASS;
                    if (type != COL_MAINROAD && type != COL_BACK && !grass) continue;
                    const TVector4 colour = type == COL_MAINROAD ? TVector4{0.4f, 0.4f, 0.4f, 0.9f}
                                            : grass              ? TVector4{0, 0.9f, 0, 0.2f}
                                                                 : TVector4{0.9f, 0.9f, 0.9f, 0.9f};
                    TVector4 at = contact.wheelPoints[w];
                    at.x += EffectRandom(20) / 100.0f;
                    at.y += EffectRandom(20) / 100.0f;
                    const TSimpleEffect* sprite = grass ? game_.sprites.grass : game_.sprites.smoke;
                    if (sprite)
                        game_.effects->AddParticle(sprite, at, false, colour, {0, 0.4f * speed, 6},
                                                   grass ? 0.4f : 1.2f, grass ? 500 : 300);
                }
            }
        }
    }
    if (Active) {
        if (!BonusActive(BT_NITRO)) {
            speed = std::clamp(speed, static_cast<float>(MinSpeed),
                               static_cast<float>(std::max(MaxSpeed, MinSpeed)));
        } else if (speed < 1.1f * MaxSpeed) {
            speed += PerSecond(static_cast<float>(MaxSpeed), dt);
        }
    }
}

void TPlayer::Steer(int dt, const TPlayerInput& input, float maxHeading) {
    const float perMs = kPi / 1000 * speed / 100;
    const float leanRate = dt * (kPi / 3) / 1000 * speed / 100;
    float& heading = rotation.z;
    float& lean = rotation.y;
    if (input.left) {
        if (heading < maxHeading) {
            heading = std::min(heading + (dt + steerHold) * perMs, maxHeading);
            steerHold += 1;
            if (lean > -kMaxLean) lean = std::max(lean - leanRate, -kMaxLean);
        }
    } else if (input.right) {
        if (heading > -maxHeading) {
            heading = std::max(heading - (dt - steerHold) * perMs, -maxHeading);
            steerHold -= 1;
            if (lean < kMaxLean) lean = std::min(lean + leanRate, kMaxLean);
        }
    } else {
        if (heading > 0) {
            heading -= (dt - steerHold) * perMs;
        } else if (heading < 0) {
            heading += (dt + steerHold) * perMs;
        }
        if (lean > 0) lean = std::max(lean - leanRate, 0.0f);
        if (lean < 0) lean = std::min(lean + leanRate, 0.0f);
        if (steerHold > 0) steerHold -= 1;
        if (steerHold < 0) steerHold += 1;
        if (std::fabs(heading) <= 0.1f) heading = 0;
    }
}

void TPlayer::PlaceWorldPoints() {
    const float heading = rotation.z;
    const auto place = [&](const TVector4& local) { return Add(position, Turned(local, heading)); };
    for (int w = 0; w < 4; ++w) {
        TVector4 wheel = place(body.wheels[w]);
        if (wheel.z <= 0) wheel.z = kWheelFloor;
        contact.wheelPoints[w] = wheel;
    }
    for (int i = 0; i < 8; ++i)
        hitPoints[i] = place(body.hitBoxes[i]);
    const TVector4 across = Subtract(hitPoints[0], hitPoints[1]);
    hitPoints[8] = Add(hitPoints[0], Scale(across, 0.3f));
    hitPoints[9] = Add(hitPoints[0], Scale(across, 0.6f));
    contact.hitPoints = {hitPoints[0], hitPoints[1], hitPoints[2], hitPoints[3]};
    // The gunner stands 1.2 behind the weapon node along the road, whatever the heading.
    weaponPoint = Add(place(body.weapon), MakeVector(0, 1.2f, 0));
    muzzlePoint = Add(weaponPoint, body.flash);
    enginePoint = place(body.engine);
    smokePoint = place(body.smoke);
    std::copy_backward(trail.begin(), trail.end() - 1, trail.end());
    trail[0] = {heading, position};
}

void TPlayer::EmitRunningEffects() {
    TEffects* effects = game_.effects;
    const TGameSprites& sprites = game_.sprites;
    if (!effects || !sprites.smoke) return;
    // A car whose top speed was forced to 0 scatters as one of 1 unit/s would.
    const float spread = static_cast<float>(std::max(MaxSpeed, 1));
    TVector4 exhaust = smokePoint;
    exhaust.x += EffectRandom(20) / spread;
    exhaust.y += EffectRandom(20) / spread;
    effects->AddParticle(sprites.smoke, exhaust, false, {0.5f, 0.5f, 0.5f, 1.0f}, {0, 10, 0}, 0.5f, 300);
    const bool nitro = BonusActive(BT_NITRO);
    for (int w = 0; w < 4; ++w) {
        TVector4 at = contact.wheelPoints[w];
        if (nitro) {
            at.x += EffectRandom(20) / 100.0f;
            at.y += EffectRandom(20) / 100.0f;
            effects->AddParticle(sprites.smoke, at, false, {0.8f, 0.1f, 0.1f, 0.6f}, {0, 0.4f * speed, 6},
                                 1.2f, 300);
        } else if (speed > 4 && contact.wheelTypes[w] == COL_BACK) {
            at.x += EffectRandom(20) / spread;
            at.y += EffectRandom(20) / spread;
            effects->AddParticle(sprites.smoke, at, false, {1, 1, 1, 0.6f}, {0, 0.2f * speed, 0}, 0.9f, 300);
        } else if (speed > 4 && contact.wheelTypes[w] == COL_GRASS && sprites.grass) {
            at.x += EffectRandom(20) / spread;
            at.y += EffectRandom(20) / spread;
            effects->AddParticle(sprites.grass, at, false, {0, 1, 0, 0.2f}, {0, 0.4f * speed, 0}, 0.4f, 300);
        }
    }
}
