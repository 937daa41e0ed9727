// A stage's gameplay controllers wired together without GL, sound or track: the player at
// its start, no traffic, the global tables at known values.
#pragma once

#include "core/Random.h"
#include "gameplay/GameContext.h"
#include "gameplay/HUD.h"
#include "gameplay/HudState.h"
#include "gameplay/Player.h"
#include "gameplay/RocketControl.h"
#include "gameplay/TrafficControl.h"
#include "gameplay/TrasserControl.h"
#include "world/BonusTypes.h"
#include "world/GlobalTables.h"
#include "world/MissionValues.h"

#include <gtest/gtest.h>

class StageFixture : public ::testing::Test {
protected:
    StageFixture() {
        Randomize(77);
        game.player = &player;
        game.traffic = &traffic;
        game.tracers = &tracers;
        game.rockets = &rockets;
        game.hud = &hud;
        game.frameStep = 16;
        ActiveBonus = BT_NONE;
        ExplosionRadius = 10;
        BonusAmount.fill(0);
        PlayerDamage = {400, 400, 200, 400, 350, 300}; // the bazooka's and the rocket's differ
        PlayerShootDelay = {100, 200, 100, 300, 250, 500};
        Weapons.clear();
        MissionValues = TMissionValues();
        SpecMission = TSpecMission();
        TMissionValues mission;
        mission.Finish = 100;
        mission.MinSpeed = 20;
        mission.MaxSpeed = 100;
        player.SetMission(mission);
        player.ResetForStage();
    }
    ~StageFixture() override { ActiveBonus = BT_NONE; }

    // Puts the car past the run-in, driving at `speed` at x = 0.
    void Drive(float speed) {
        player.distanceTravelled = 200;
        player.position.x = 0;
        player.speed = speed;
        player.blinkTime = 0;
        Step(1);
    }
    void Step(int dt, TPlayerInput input = {}) { player.Update(dt, input); }
    void StepFor(int ms, TPlayerInput input = {}, int dt = 25) {
        for (int t = 0; t < ms; t += dt)
            Step(dt, input);
    }

    // A plain 2 x 4 car at (x, y) without a model.
    TTrafficCar& AddCar(float x, float y, int health = 100) {
        TSpawnedCar spawned;
        spawned.Position = {x, y, 0, 0};
        spawned.Health = static_cast<float>(health);
        spawned.Type.Health = health;
        spawned.Type.MaxSpeed = 200;
        spawned.Type.Mass = 1;
        traffic.AddCar(spawned);
        return traffic.Car(traffic.CarCount() - 1);
    }

    TGameContext game;
    TPlayer player{game};
    TTrafficControl traffic{game};
    TTrasserControl tracers;
    TRocketControl rockets{game};
    THUD hud{game};
};
