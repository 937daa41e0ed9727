// One traffic car's character: destruction, shooting at the player, following its lane,
// the drive policies of the drive types and overtaking.
#include "gameplay/TrafficControl.h"

#include <cmath>

#include "core/Random.h"
#include "gameplay/Aim.h"
#include "gameplay/HUD.h"
#include "gameplay/HudState.h"
#include "gameplay/Player.h"
#include "gameplay/RocketControl.h"
#include "gameplay/TrafficTrack.h"
#include "gameplay/TrasserControl.h"
#include "resources/Effects.h"
#include "resources/Glow.h"
#include "resources/Matrix.h"
#include "world/BonusTypes.h"
#include "world/EnumNames.h"
#include "world/GlobalTables.h"
#include "world/MissionValues.h"

namespace {

constexpr float kAccelerate = 32; // units per second per second
constexpr float kShotRange = 80;
constexpr int kShotProbes = 10;
constexpr int kHitTime = 2000;

float Lead(const TPlayer& player, const TTrafficCar& car) {
    return player.position.y - car.position.y;
}

void Accelerate(TTrafficCar& car, int dt) {
    car.speed += kAccelerate * dt / 1000.0f;
}

} // namespace

void TTrafficControl::Destroy(int index) {
    TTrafficCar& exploding = cars_[index];
    const TVector4 centre = exploding.position;
    const float damage = static_cast<float>(exploding.type.ExplosionDamage);
    for (TTrafficCar& car : cars_)
        if (Distance(car.position, centre) < ExplosionRadius) car.health -= damage;
    TTrafficCar& car = cars_[index];
    if (car.type.SpecialKind == SM_NEUTRAL) SpecMission.NeutralAlive -= 1;
    if (car.type.SpecialKind == SM_FRIEND) SpecMission.FriendLosses -= 1;
    car.destroyed = true;
    destroyedCount_ += 1;
    car.wreckTime = 0;
    if (car.bonusType != BT_NONE && game_.hud) game_.hud->TakeBonus(car.bonusType);
    if (game_.player) game_.player->score.Add(ActiveBonus == BT_MONEY ? 2 * car.type.Score : car.type.Score);
}

void TTrafficControl::Attack(int index) {
    TTrafficCar& car = cars_[index];
    const TPlayer* player = game_.player;
    if (!player) return;
    const float a = TurnFromAhead(car.weaponPoint, player->weaponPoint);
    if (car.destroyed) return;
    if (car.type.SpecialKind == SM_NEUTRAL && !MissionValues.SpecialMissionHit) return;
    bool fires = false;
    switch (car.type.AttackType) {
    case AT_FORWARD:
        car.turretAngle = 0;
        fires = a > -kPi / 4 && a < kPi / 4;
        break;
    case AT_BACKWARD:
        car.turretAngle = kPi;
        fires = std::fabs(a) > 3 * kPi / 4;
        break;
    case AT_TARGET:
        car.turretAngle = a;
        fires = true;
        break;
    default: car.turretAngle = 0; break;
    }
    if (fires && player->Health > 0 && Distance(car.weaponPoint, player->weaponPoint) < kShotRange &&
        ActiveBonus != BT_GHOST)
        Shoot(index);
}

void TTrafficControl::Shoot(int index) {
    TTrafficCar& car = cars_[index];
    if (!(car.position.y > -100 && car.position.y < -40)) return;
    const TWeapon& weapon = car.Weapon();
    if (game_.playTime - car.lastShotTime < weapon.ShootDelay) return;
    car.lastShotTime = game_.playTime;
    PlayGameSound3D(game_, weapon.ShootSound, {});
    TPlayer& player = *game_.player;
    const TVector4 m = car.muzzlePoint;

    if (weapon.WeaponType == WT_BULLET) {
        // Ten probes from the muzzle to the player; another car in the way takes the bullet.
        const TVector4 step = Scale(Subtract(player.position, m), 1.0f / kShotProbes);
        bool blocked = false;
        for (int i = 1; i <= kShotProbes && !blocked; ++i) {
            const TVector4 probe = Add(m, Scale(step, static_cast<float>(i)));
            int hit = -1;
            if (HitTest(m, probe, hit, static_cast<float>(weapon.Damage), index)) {
                if (game_.tracers) game_.tracers->AddTracer(m, probe, false, 50, 150);
                blocked = true;
            }
        }
        if (game_.glows) game_.glows->Add(100, m, false, {0.2f, 0.1f, 0.0f, 1.0f}, 1.0f);
        if (game_.effects && game_.sprites.shell) {
            const float turn = kPi + car.turretAngle;
            game_.effects->Add(game_.sprites.shell, m, false, nullptr, false, {}, {1, 1, 1, 1},
                               {0, 0, -10, 0}, {5 * std::cos(turn), 5 * std::sin(turn), 1, 0}, 0.1f, 2000);
        }
        if (!blocked) {
            const TVector4 miss{player.position.x - 2 + EffectRandom(400) / 100.0f,
                                player.position.y - 4 + EffectRandom(800) / 100.0f, 2.0f, 0};
            if (game_.tracers) game_.tracers->AddTracer(m, miss, false, 50, 0);
            if (player.Shield > 0) {
                player.Shield -= weapon.Damage;
            } else {
                player.Health -= weapon.Damage;
            }
        }
    } else if (game_.rockets) {
        const TVector4 direction{player.position.x - m.x, player.position.y - m.y, 0, 0};
        game_.rockets->Launch(m, direction, {0, 0, RocketYaw(direction), 0},
                              static_cast<float>(weapon.Damage), true, true, 5000, false, false);
    }
    car.muzzleFlashTime = 100;
    PlayGameSound(game_, hitSound_);
}

void TTrafficControl::SteerOnPath(TTrafficCar& car, int dt) {
    const TTrafficTrack* track = game_.track;
    const TPlayer* player = game_.player;
    if (!track || !player || car.side < -1) return;
    const int slot = car.side + 2;
    const float blockY = track->Scroll() - (car.side - 1) * 40.0f;

    if (car.lane < 1) {
        // A lane from the block's enter points: the nearest one, in up to ten tries.
        for (int attempt = 0; attempt < 10 && car.lane < 1; ++attempt) {
            float best = 0;
            for (int lane = 1; lane <= 6; ++lane) {
                TVector4 enter;
                if (!track->EnterPoint(slot, lane, enter)) continue;
                enter.y += blockY;
                const float d = Distance(enter, car.position);
                if (car.lane < 1 || d < best) {
                    car.lane = lane;
                    best = d;
                }
            }
        }
        if (car.lane < 1) return;
    }

    bool found = false;
    TVector4 target;
    float best = 0;
    for (int i = 0; i < track->SpawnPointCount(slot); ++i) {
        if (track->SpawnPointExit(slot, i) != car.lane) continue;
        TVector4 point = track->SpawnPointPosition(slot, i);
        point.y += blockY;
        const float d = Distance(point, car.position);
        if (!found || d < best) {
            target = point;
            best = d;
            found = true;
        }
    }
    if (!found) return;

    const float lead = Lead(*player, car);
    if (car.type.DriveType == DT_AITYPE5 && lead > -2 && lead < 5) return;
    float h = TurnFromAhead(car.position, target);
    if (h < -kPi / 2 || h > kPi / 2) h = 0;
    const float turn = kPi * dt / 1000.0f;
    if (std::fabs(h - car.heading) < turn) {
        car.heading = h;
    } else {
        car.heading += h > car.heading ? turn : -turn;
    }
}

void TTrafficControl::Drive(TTrafficCar& car, int dt) {
    const TPlayer* player = game_.player;
    if (!player) return;
    if (car.type.SpecialKind == SM_NEUTRAL && !MissionValues.SpecialMissionHit) return;
    const float lead = Lead(*player, car);
    const float forward = player->forwardVelocity;
    switch (car.type.DriveType) {
    case DT_AITYPE1:
        if (lead > 0 && lead < 40) {
            car.speed = forward;
        } else if (lead < 80 && car.speed - forward < -10) {
            Accelerate(car, dt);
        } else {
            car.speed = 0;
        }
        break;
    case DT_AITYPE2:
        if (lead > -2 && lead < 5) {
            car.speed = forward;
        } else if (lead > 0 && lead < 80 && car.speed - forward < -10) {
            Accelerate(car, dt);
        } else if (lead < 0) {
            Accelerate(car, dt);
        }
        break;
    case DT_AITYPE3:
        if (lead > -2 && lead < 40) {
            const int lane = LaneNearestPlayer(car);
            if (lane == 0) {
                // No exit point near the player: the car keeps its lane.
            } else if (car.lane > lane) {
                ChangeLane(car, false);
            } else if (car.lane < lane) {
                ChangeLane(car, true);
            }
            if (std::fabs(player->position.x - car.position.x) < 2) {
                car.speed -= 64 * dt / 1000.0f;
                car.brakeLightTime = 200;
            }
        } else if (car.position.y > 0 && car.brakeLightTime <= 0) {
            Accelerate(car, dt);
        }
        break;
    case DT_AITYPE4:
        if (car.hitTime > 0) {
            car.speed -= kAccelerate * dt / 1000.0f;
            car.brakeLightTime = 200;
            car.hitTime -= dt;
        } else if (lead < 20) {
            Accelerate(car, dt);
        } else if (lead < 40 && car.position.y < player->position.y) {
            car.speed = forward;
        }
        break;
    case DT_AITYPE5:
        if (lead > -2 && lead < 5) {
            car.speed = forward;
            car.heading = player->position.x >= car.position.x ? kPi / 4 : -kPi / 4;
        } else {
            Accelerate(car, dt);
        }
        break;
    default: break;
    }
}

int TTrafficControl::LaneNearestPlayer(const TTrafficCar& car) const {
    const TTrafficTrack* track = game_.track;
    const int slot = car.side + 2;
    const float blockY = track->Scroll() - (car.side - 1) * 40.0f;
    int nearest = 0;
    float best = 10000;
    for (int lane = 1; lane <= 6; ++lane) {
        TVector4 exit;
        if (!track->ExitPoint(slot, lane, exit)) continue;
        exit.y += blockY;
        const float d = Distance(exit, game_.player->position);
        if (d < best) {
            best = d;
            nearest = lane;
        }
    }
    return nearest;
}

void TTrafficControl::ChangeLane(TTrafficCar& car, bool up) {
    car.lane += up ? 1 : -1;
    car.indicatorTime = 1000;
    car.indicatorUp = up;
}

void TTrafficControl::Overtake(int index) {
    TTrafficCar& car = cars_[index];
    const TTrafficTrack* track = game_.track;
    if (!track) return;
    for (int j = 0; j < CarCount(); ++j) {
        if (j == index) continue;
        const TTrafficCar& other = cars_[j];
        const float ahead = car.position.y - other.position.y;
        if (std::fabs(car.position.x - other.position.x) >= 1 || ahead <= 1 || ahead >= 16 ||
            other.lane != car.lane)
            continue;
        TVector4 exit;
        const int slot = car.side + 2;
        if (track->ExitPoint(slot, car.lane - 1, exit)) {
            ChangeLane(car, false);
        } else if (track->ExitPoint(slot, car.lane + 1, exit)) {
            ChangeLane(car, true);
        }
    }
}
