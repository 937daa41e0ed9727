// The gameplay's share of the simulation state.
#include "gameplay/SimulationState.h"

#include "gameplay/Gameplay.h"
#include "gameplay/HudState.h"

namespace {

void AddPlayer(const TPlayer& p, TStateBytes& state) {
    state.Add(p.position);
    state.Add(p.rotation);
    for (float v : {p.speed, p.forwardVelocity, p.lateralVelocity, p.Health, p.MaxHealth, p.Shield,
                    p.distanceTravelled, p.cameraHeight, p.cameraPitch, p.cameraOffset})
        state.Add(v);
    for (int v :
         {p.steerHold, p.MaxSpeed, p.MinSpeed, p.TimeLeft, p.blinkTime, p.shootCooldown, p.rocketCooldown,
          p.muzzleFlashTime, p.dyingTime, p.weaponKind, p.score.Current(), p.score.Displayed()})
        state.Add(v);
    state.Add(p.Active);
    state.Add(p.Destroyed);
    state.Add(p.outcome);
    for (int w = 0; w < 4; ++w) {
        state.Add(p.contact.wheelTypes[w]);
        state.Add(p.contact.wheelPoints[w]);
    }
}

void AddCar(const TTrafficCar& car, TStateBytes& state) {
    for (int v :
         {car.type.Health, car.type.AttackType, car.type.DriveType, car.type.Score, car.type.SpecialKind})
        state.Add(v);
    state.Add(car.position);
    state.Add(car.collisionVelocity);
    for (float v : {car.heading, car.speed, car.health, car.turretAngle})
        state.Add(v);
    for (int v : {car.lane, car.side, car.block, car.wreckTime, car.collisionTime, car.indicatorTime,
                  car.brakeLightTime, car.bonusType, car.hitTime, car.muzzleFlashTime})
        state.Add(v);
    state.Add(car.lastShotTime);
    state.Add(car.destroyed);
    state.Add(car.indicatorUp);
}

} // namespace

void AddGameplayState(const TGameplay& gameplay, TStateBytes& state) {
    AddPlayer(gameplay.player, state);
    const TTrafficControl& traffic = gameplay.traffic;
    state.Add(traffic.CarCount());
    state.Add(traffic.DestroyedCount());
    for (int i = 0; i < traffic.CarCount(); ++i)
        AddCar(traffic.Car(i), state);
    for (int i = 0; i < gameplay.tracers.Count(); ++i) {
        const TTracer& tracer = gameplay.tracers.Tracer(i);
        state.Add(tracer.from);
        state.Add(tracer.to);
        state.Add(tracer.life);
        state.Add(tracer.sparkTime);
    }
    for (int i = 0; i < gameplay.rockets.Count(); ++i) {
        const TRocket& rocket = gameplay.rockets.Rocket(i);
        state.Add(rocket.position);
        state.Add(rocket.velocity);
        state.Add(rocket.damage);
        state.Add(rocket.life);
        state.Add(rocket.playerOwned);
        state.Add(rocket.homing);
    }
    const THUD& hud = gameplay.hud;
    for (int v : {hud.UziBullets, hud.MachinegunBullets, hud.ShotgunBullets, hud.BazookaBullets, hud.Rockets,
                  hud.BonusTimeLeft, hud.BonusBannerTime, hud.LastBonus, hud.LastBonusTime, ActiveBonus})
        state.Add(v);
}
