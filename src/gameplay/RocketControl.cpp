// Rockets: launch, hits, homing and smoke trails.
#include "gameplay/RocketControl.h"

#include "core/Random.h"
#include "gameplay/Aim.h"
#include "gameplay/Player.h"
#include "gameplay/TrafficControl.h"
#include "resources/Effects.h"
#include "resources/Matrix.h"

namespace {

constexpr float kRocketZ = 1.0f;
constexpr float kSpeedFactor = 5; // units per second per unit of velocity
constexpr float kHitRange = 5;
constexpr float kRoadEdge = 40;
constexpr float kAimRange = 10;
constexpr int kPuffInterval = 6; // ms of flight per smoke puff

} // namespace

void TRocketControl::Launch(const TVector4& start, const TVector4& direction, const TVector4& orientation,
                            float damage, bool smoke, bool explosion, int life, bool playerOwned,
                            bool homing) {
    TRocket rocket;
    rocket.previous = start;
    rocket.previous.z = kRocketZ;
    rocket.position = rocket.previous;
    rocket.velocity = Scale(Normalise(direction), 40);
    rocket.orientation = orientation;
    rocket.damage = damage;
    rocket.smoke = smoke;
    rocket.explosion = explosion;
    rocket.life = life;
    rocket.playerOwned = playerOwned;
    rocket.homing = homing;
    rockets_.push_back(rocket);
}

// The blast stays where it happened on the road, which scrolls on.
void TRocketControl::Explode(const TRocket& rocket) const {
    if (rocket.explosion && game_.effects && game_.sprites.explosion)
        game_.effects->AddParticle(game_.sprites.explosion, rocket.position, true, {1, 1, 1, 1}, {}, 4.0f,
                                   1000);
}

void TRocketControl::Remove(int index) {
    rockets_[index] = rockets_.back();
    rockets_.pop_back();
}

void TRocketControl::Update(int dt) {
    // Hits and expiry.
    for (int i = 0; i < Count();) {
        TRocket& rocket = rockets_[i];
        rocket.life -= dt;
        const bool onRoad = rocket.position.x >= -kRoadEdge && rocket.position.x <= kRoadEdge;
        if (rocket.playerOwned) {
            const TVector4 ground{rocket.position.x, rocket.position.y, 0, 0};
            const int car = game_.traffic ? game_.traffic->NearestCar(ground, -1) : -1;
            const bool nearCar = car >= 0 && Distance(game_.traffic->Car(car).position, ground) < kHitRange;
            if (rocket.life > 0 && onRoad && !nearCar) {
                ++i;
                continue;
            }
            if (nearCar) {
                game_.traffic->DamageCar(car, rocket.damage);
                Explode(rocket);
            }
            Remove(i);
            continue;
        }
        TPlayer* player = game_.player;
        if (player && Distance(rocket.position, player->position) < kHitRange) {
            // The shield does not stop rockets.
            player->Health -= rocket.damage;
            Explode(rocket);
            Remove(i);
        } else if (rocket.life <= 0 || !onRoad) {
            Remove(i);
        } else {
            ++i;
        }
    }

    // Flight.
    const int puffs = (smokeTime_ + dt) / kPuffInterval;
    for (TRocket& rocket : rockets_)
        Move(rocket, dt, puffs);
    smokeTime_ = (smokeTime_ + dt) % kPuffInterval;
}

void TRocketControl::Move(TRocket& rocket, int dt, int puffs) {
    const float forward = game_.player ? game_.player->forwardVelocity : 0;
    rocket.position.y += dt / 1000.0f * forward;
    rocket.previous = rocket.position;

    if (rocket.homing && game_.traffic) {
        const TVector4 aim{game_.aim.x, game_.aim.y, 0, 0};
        const int car = game_.traffic->NearestCar(aim, -1);
        if (car >= 0) {
            const TTrafficCar& target = game_.traffic->Car(car);
            if (!target.destroyed && Distance(target.position, aim) < kAimRange)
                rocket.velocity = Horizontal(Subtract(target.position, rocket.position), 40);
        }
    }
    rocket.position = Add(rocket.position, Scale(rocket.velocity, kSpeedFactor * dt / 1000.0f));

    // The trail too belongs to the road, not to the screen.
    if (!rocket.smoke || !game_.effects) return;
    TVector4 puff = rocket.previous;
    for (int k = 0; k <= puffs; ++k) {
        puff = Add(puff, Scale(rocket.velocity, kSpeedFactor * puffs / 1000.0f));
        const TSimpleEffect* sprite = game_.sprites.rocketSmoke[EffectRandom(3)];
        TVector4 at = puff;
        at.x += 0.2f - EffectRandom(2000) / 5000.0f;
        at.y += 0.2f - EffectRandom(2000) / 5000.0f;
        at.z += 0.2f - EffectRandom(2000) / 5000.0f;
        if (sprite) game_.effects->AddParticle(sprite, at, true, {1, 1, 1, 1}, {}, 2.0f, 5000);
    }
}
