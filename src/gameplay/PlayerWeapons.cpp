// The gunner's fire button and the rocket button.
#include "gameplay/Player.h"

#include <cmath>

#include "gameplay/Aim.h"
#include "gameplay/HUD.h"
#include "gameplay/RocketControl.h"
#include "gameplay/TrafficControl.h"
#include "gameplay/TrasserControl.h"
#include "resources/Effects.h"
#include "resources/Glow.h"
#include "resources/Matrix.h"
#include "world/EnumNames.h"
#include "world/GlobalTables.h"
#include "world/MissionValues.h"

namespace {

constexpr int kBulletProbes = 50;
constexpr int kPelletProbes = 100;
constexpr float kPelletAngle = 0.2618f; // 15 degrees
constexpr float kMinAimDistance = 5;

TVector4 TurnedAboutZ(const TVector4& v, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return MakeVector(v.x * c - v.y * s, v.x * s + v.y * c, v.z);
}

} // namespace

void TPlayer::HandleRocketButton(TPlayerInput& input) {
    THUD* hud = game_.hud;
    if (!input.missile || rocketCooldown >= 1 || !Active || Destroyed || !hud || hud->Rockets <= 0) return;
    hud->Rockets -= 1;
    input.missileUsed = true;
    PlayGameSound(game_, soundRocket_);
    const TVector4 direction{game_.aim.x - muzzlePoint.x, game_.aim.y - muzzlePoint.y, 0, 0};
    const TVector4 ground{game_.aim.x, game_.aim.y, 0, 0};
    const bool target = game_.traffic && game_.traffic->NearestCar(ground, -1) >= 0;
    if (game_.rockets)
        game_.rockets->Launch(muzzlePoint, direction, {0, 0, RocketYaw(direction), 0},
                              static_cast<float>(PlayerDamage[PW_BAZOOKA]), true, true, 5000, true, target);
    rocketCooldown = rocketDelay;
}

void TPlayer::HandleFireButton(const TPlayerInput& input) {
    THUD* hud = game_.hud;
    const TVector4 ground{game_.aim.x, game_.aim.y, 0, 0};
    if (!input.shoot || shootCooldown > 0 || Distance(position, ground) <= kMinAimDistance || !Active ||
        Destroyed || !hud)
        return;

    if (hud->BazookaBullets >= 1) {
        hud->BazookaBullets -= 1;
        shootCooldown = PlayerShootDelay[PW_ROCKET];
        PlayGameSound(game_, soundRocket_);
        const TVector4 direction{game_.aim.x - muzzlePoint.x, game_.aim.y - muzzlePoint.y, 0, 0};
        if (game_.rockets)
            game_.rockets->Launch(muzzlePoint, direction, {0, 0, RocketYaw(direction), 0},
                                  static_cast<float>(PlayerDamage[PW_ROCKET]), true, true, 5000, true, false);
        return;
    }

    int weapon = PW_GUN;
    int sound = soundGun_;
    int kind = 1;
    if (hud->MachinegunBullets >= 1) {
        hud->MachinegunBullets -= 1;
        weapon = PW_MINIGUN;
        sound = soundAssault_;
        kind = 3;
    } else if (hud->UziBullets >= 1) {
        hud->UziBullets -= 1;
        weapon = PW_UZI;
        sound = soundUzi_;
        kind = 2;
    } else if (hud->ShotgunBullets >= 1) {
        hud->ShotgunBullets -= 1;
        weapon = PW_SHOTGUN;
        sound = soundShotgun_;
        kind = 2;
    }
    shootCooldown = PlayerShootDelay[weapon];
    PlayGameSound(game_, sound);
    weaponKind = kind;

    const float g = GunnerTurn();
    if (game_.effects && game_.sprites.shell) {
        const float turn = kPi + g;
        game_.effects->Add(game_.sprites.shell, muzzlePoint, false, nullptr, false, {}, {1, 1, 1, 1},
                           {0, 0, -10, 0}, {5 * std::cos(turn), 5 * std::sin(turn), 1, 0}, 0.1f, 2000);
    }
    if (game_.glows) game_.glows->Add(100, muzzlePoint, false, {0.2f, 0.1f, 0.0f, 1.0f}, 1.0f);
    muzzleFlashTime = 100;

    const float damage = static_cast<float>(PlayerDamage[weapon]);
    FireBullet(damage);
    if (weapon == PW_SHOTGUN) {
        FireShotgunPellet(kPelletAngle, damage);
        FireShotgunPellet(-kPelletAngle, damage);
    }
}

float TPlayer::GunnerTurn() const {
    return TurnFromAhead(weaponPoint, game_.aim);
}

void TPlayer::FireBullet(float damage) {
    TTrafficControl* traffic = game_.traffic;
    if (!traffic) return;
    const TVector4 target{game_.aim.x, game_.aim.y, 2.0f, 0};
    const TVector4 step = Scale(Subtract(target, muzzlePoint), 1.0f / kBulletProbes);
    for (int i = 1; i <= kBulletProbes; ++i) {
        const TVector4 probe = Add(muzzlePoint, Scale(step, static_cast<float>(i)));
        int hit = -1;
        if (!traffic->HitTest(muzzlePoint, probe, hit, damage)) continue;
        if (game_.tracers) game_.tracers->AddTracer(muzzlePoint, probe, false, 150, 150);
        if (traffic->Car(hit).type.SpecialKind == SM_NEUTRAL) MissionValues.SpecialMissionHit = true;
        return;
    }
}

void TPlayer::FireShotgunPellet(float angle, float damage) {
    TTrafficControl* traffic = game_.traffic;
    if (!traffic) return;
    // A tenth of the way to the aim point per probe, turned to the pellet's side.
    const TVector4 step = TurnedAboutZ(Scale(Subtract(game_.aim, muzzlePoint), 1.0f / 10), angle);
    for (int i = 1; i <= kPelletProbes; ++i) {
        const TVector4 probe = Add(muzzlePoint, Scale(step, static_cast<float>(i)));
        int hit = -1;
        if (!traffic->HitTest(muzzlePoint, probe, hit, damage)) continue;
        if (game_.tracers) game_.tracers->AddTracer(muzzlePoint, probe, false, 150, 150);
        return;
    }
    if (game_.tracers)
        game_.tracers->AddTracer(muzzlePoint, Add(muzzlePoint, Scale(step, kPelletProbes + 1.0f)), false, 50,
                                 0);
}
