// The traffic's per-frame loop, removal, hit tests and the player's collisions.
#include "gameplay/TrafficControl.h"

#include <cmath>

#include "core/Random.h"
#include "gameplay/Aim.h"
#include "gameplay/Explosion.h"
#include "gameplay/Player.h"
#include "gameplay/TrafficTrack.h"
#include "resources/Effects.h"
#include "resources/Matrix.h"
#include "world/CarGeneric.h"
#include "world/EnumNames.h"
#include "world/MissionValues.h"

namespace {

constexpr float kBlockLength = 40;
// A wreck burns with explosions for its first second.
constexpr int kBurnTime = 1000;
constexpr int kCollisionTime = 400;       // ms the pushed car keeps sliding
constexpr float kCollisionSlide = 0.006f; // units per ms per unit of push

} // namespace

void TTrafficControl::AddCar(const TSpawnedCar& spawned) {
    TTrafficCar car;
    car.type = spawned.Type;
    car.model = spawned.Model;
    car.position = spawned.Position;
    car.position.z = 0;
    car.lane = spawned.Lane;
    car.side = spawned.Side;
    car.speed = spawned.Speed;
    car.health = spawned.Health;
    car.lastShotTime = spawned.ShootDelay;
    car.bonusType = spawned.BonusType;
    const THSAModel* gunner = car.Armed() ? car.Weapon().Model : nullptr;
    car.body = CarBodyOf(car.model, car.type, gunner);
    car.PlacePoints();
    cars_.push_back(car);
}

int TTrafficControl::LiveCount() const {
    int count = 0;
    for (const TTrafficCar& car : cars_)
        count += car.destroyed ? 0 : 1;
    return count;
}

void TTrafficControl::Update(int dt) {
    const float forward = game_.player ? game_.player->forwardVelocity : 0;
    const float scroll = dt / 1000.0f * forward;
    for (int i = 0; i < CarCount(); ++i) {
        TTrafficCar& car = cars_[i];
        car.aimedAt = false;
        if (car.muzzleFlashTime > 0) car.muzzleFlashTime -= dt;
        if (car.indicatorTime > 0) car.indicatorTime -= dt;
        if (car.brakeLightTime > 0) car.brakeLightTime -= dt;

        if (car.health <= 0 && !car.destroyed) Destroy(i);
        if (car.destroyed) {
            car.wreckTime += dt;
            car.speed = 0;
            car.heading = 0;
        } else {
            EmitDamageSmoke(car);
        }
        if (car.Armed()) Attack(i);
        MoveCar(car, dt, scroll);
        if (!car.destroyed && car.side < 9) {
            SteerOnPath(car, dt);
            Drive(car, dt);
        }
        Overtake(i);
        if (car.speed == 0) car.heading = 0;
        car.speed = std::fmax(std::fmin(car.speed, static_cast<float>(car.type.MaxSpeed)),
                              static_cast<float>(car.type.MinSpeed));
        if (car.destroyed) car.speed = 0;
        car.PlacePoints();
    }
    RemoveOrBurn(dt);
}

void TTrafficControl::MoveCar(TTrafficCar& car, int dt, float scroll) {
    if (car.collisionTime > 0) {
        car.collisionTime -= dt;
        car.position = Add(car.position, Scale(car.collisionVelocity, static_cast<float>(dt)));
        if (car.collisionTime <= 0) car.collisionVelocity = {};
    }
    const float run = car.speed * dt / 1000.0f;
    car.position.y += scroll - std::cos(car.heading) * run;
    car.position.x += std::sin(car.heading) * run;

    const float trackScroll = game_.track ? game_.track->Scroll() : 0;
    const int k = static_cast<int>(std::lround(-car.position.y + 80 + trackScroll + 10)) / 40 - 1;
    const int block = game_.track ? game_.track->BlockAt(k + 2) : -1;
    if (block != car.block) {
        car.lane = -car.lane;
        car.block = block;
    }
    car.side = k;
}

void TTrafficControl::RemoveOrBurn(int dt) {
    for (int i = 0; i < CarCount();) {
        TTrafficCar& car = cars_[i];
        const float y = car.position.y;
        if (!car.destroyed && y >= kCarsAhead && y <= kCarsBehind) {
            ++i;
            continue;
        }
        if (car.wreckTime > 0 && car.wreckTime < kBurnTime) {
            if (car.nextWreckExplosion <= 0) {
                const float dx = EffectRandom(8000) / 2000.0f - 2;
                const float dy = EffectRandom(8000) / 2000.0f - 2;
                SpawnExplosion(game_, {car.position.x + dx, car.position.y + dy, car.position.z, 0});
                PlayGameSound(game_, explosionSound_);
                car.nextWreckExplosion = EffectRandom(200);
            } else {
                car.nextWreckExplosion -= dt;
            }
        }
        const bool gone = car.destroyed ? (y > kWreckBehind || y < kCarsAhead) : true;
        if (gone) {
            car = cars_.back();
            cars_.pop_back();
            if (generator_) generator_->GenerateOne();
        } else {
            ++i;
        }
    }
}

void TTrafficControl::EmitDamageSmoke(const TTrafficCar& car) const {
    if (!game_.effects || !game_.sprites.smoke) return;
    const float full = static_cast<float>(car.type.Health);
    if (car.health > full / 2) return;
    TVector4 at = car.enginePoint;
    at.z += 5;
    at.y += 2;
    const TPlayer* player = game_.player;
    const float v = player ? (player->MaxSpeed - player->forwardVelocity) * game_.frameStep / 1000.0f : 0;
    TVector4 smokeAt = at;
    smokeAt.x += EffectRandom(20) / 100.0f;
    smokeAt.y += EffectRandom(20) / 100.0f;
    game_.effects->AddParticle(game_.sprites.smoke, smokeAt, false, {0.2f, 0.2f, 0.2f, 0.5f}, {0, v, 2}, 2.5f,
                               300);
    if (car.health > full / 4) return;
    TVector4 fireAt = at;
    fireAt.x += EffectRandom(50) / 100.0f;
    fireAt.y += EffectRandom(50) / 100.0f;
    game_.effects->AddParticle(game_.sprites.smoke, fireAt, false, {0.8f, 0.2f, 0.2f, 0.9f}, {0, v, 2}, 2.0f,
                               150);
}

bool TTrafficControl::HitTest(const TVector4& origin, const TVector4& probe, int& index, float damage,
                              int shooter) {
    (void)origin;
    // Slow frames move cars further between probes: their hit radius grows with the step.
    const float scale = game_.frameStep >= 17 ? game_.frameStep / 16.0f : 1.0f;
    index = -1;
    for (int i = 0; i < CarCount(); ++i) {
        if (i == shooter) continue;
        TTrafficCar& car = cars_[i];
        const float radius = Distance(car.position, car.corners[0]) * scale;
        if (Distance(probe, car.position) < radius) {
            car.health -= damage;
            car.hitTime = 2000;
            index = i;
            PlayGameSound(game_, hitSound_);
        }
    }
    return index >= 0;
}

int TTrafficControl::NearestCar(const TVector4& point, int exclude) const {
    int nearest = -1;
    float best = 100000;
    for (int i = 0; i < CarCount(); ++i) {
        if (i == exclude) continue;
        const float d = Distance(cars_[i].position, point);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

void TTrafficControl::DamageCar(int index, float damage) {
    cars_[index].health -= damage;
    cars_[index].hitTime = 2000;
}

void TTrafficControl::MarkAimed(const TVector4& aim) {
    const int nearest = NearestCar({aim.x, aim.y, 0, 0}, -1);
    if (nearest < 0) return;
    TTrafficCar& car = cars_[nearest];
    car.aimedAt = !car.destroyed && Distance(car.position, {aim.x, aim.y, 0, 0}) < 10;
}

namespace {

// `p` inside the car's box: on the inner side of its four vertical faces.
bool InsideBox(const TTrafficCar& car, const TVector4& p) {
    const float c = std::cos(car.heading);
    const float s = std::sin(car.heading);
    const float dx = p.x - car.position.x;
    const float dy = p.y - car.position.y;
    const float x = dx * c + dy * s; // turned back into car space
    const float y = -dx * s + dy * c;
    float lowX = car.body.box[0].x, highX = lowX, lowY = car.body.box[0].y, highY = lowY;
    for (const TVector4& corner : car.body.box) {
        lowX = std::fmin(lowX, corner.x);
        highX = std::fmax(highX, corner.x);
        lowY = std::fmin(lowY, corner.y);
        highY = std::fmax(highY, corner.y);
    }
    return x > lowX && x < highX && y > lowY && y < highY;
}

} // namespace

void TTrafficControl::PlayerCollision() {
    TPlayer* player = game_.player;
    if (!player) return;
    const TVector4 body = player->position;
    for (TTrafficCar& car : cars_) {
        if (car.destroyed) continue;
        const float reach = 4 * Distance(car.position, car.corners[0]);
        const float d = Distance(body, car.position);
        if (d >= reach) continue;
        bool touched = false;
        for (const TVector4& point : player->hitPoints)
            touched = touched || InsideBox(car, point);
        if (!touched) continue;

        const float push = (reach - d) / 4;
        const TVector4 n = Horizontal(Subtract(body, car.position), 1);
        car.position.x -= n.x * push;
        car.position.y -= n.y * push;
        car.collisionVelocity = {-kCollisionSlide * n.x * push, -kCollisionSlide * n.y * push, 0, 0};
        car.collisionTime = kCollisionTime;
        player->position.x += n.x * push;

        if (car.type.SpecialKind == SM_NEUTRAL) MissionValues.SpecialMissionHit = true;
        car.health -= 40.0f / (car.type.Mass != 0 ? car.type.Mass : 1);
        if (car.health <= 0) player->Health -= car.type.ExplosionDamage;
        player->speed -= 5;
    }
}
