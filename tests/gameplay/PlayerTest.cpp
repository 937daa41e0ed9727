// The player's car: steering, the run-in and run-out, surfaces, nitro, death.
#include "StageFixture.h"

#include "gameplay/Aim.h"
#include "settings/Configure.h"
#include "world/CollisionTypes.h"
#include "world/EnumNames.h"

#include <cmath>

namespace {

using PlayerTest = StageFixture;

TPlayerInput Keys(bool left, bool right, bool forward = false) {
    TPlayerInput input;
    input.left = left;
    input.right = right;
    input.forward = forward;
    return input;
}

TEST_F(PlayerTest, SteeringStopsAtTheLimitOfItsSpeedAndComesBackStraight) {
    // Equal top and lowest speeds steer as the lowest speed does.
    player.MaxSpeed = player.MinSpeed = 60;
    EXPECT_FLOAT_EQ(player.MaxHeading(), kPi / 8);
    player.MaxSpeed = 100;
    player.MinSpeed = 20;

    // Held at top speed, the heading stops at its limit and the lean never passes 10 degrees.
    Drive(100);
    for (int i = 0; i < 81; ++i) {
        Step(25, Keys(true, false, true));
        EXPECT_LE(player.Heading(), kPi / 16 + 1e-6f);
        EXPECT_GE(player.rotation.y, -TPlayer::kMaxLean);
    }
    EXPECT_FLOAT_EQ(player.Heading(), kPi / 16);
    // Released, it comes back straight.
    StepFor(2000);
    EXPECT_EQ(player.Heading(), 0);
    // Both keys turn towards +x.
    const float x = player.position.x;
    StepFor(500, Keys(true, true));
    EXPECT_GT(player.Heading(), 0);
    EXPECT_GT(player.position.x, x);
}

TEST_F(PlayerTest, RunInKeepsMinSpeedAndDriftsIntoTheLane) {
    player.distanceTravelled = 50;
    StepFor(5000, Keys(false, false, true));
    EXPECT_FALSE(player.Active);
    EXPECT_FLOAT_EQ(player.speed, 20);
    EXPECT_GE(player.position.x, -2.5f - 0.1f);
    EXPECT_LT(player.position.x, -2.4f);
    // Steering does nothing before the driver takes over.
    StepFor(500, Keys(true, false));
    EXPECT_EQ(player.Heading(), 0);
}

TEST_F(PlayerTest, RunOutCancelsTheBonusAndCompletesTheStage) {
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Stage = 3;
    TConfig* saved = Config;
    Config = &config;
    ActiveBonus = BT_NITRO;
    player.distanceTravelled = 99 * 40.0f; // (Finish - 1) blocks: the run-out
    player.speed = 48;
    Step(500);
    EXPECT_EQ(ActiveBonus, -1);
    EXPECT_FLOAT_EQ(player.speed, 24);
    EXPECT_EQ(player.outcome, STAGE_PLAYING);
    Step(500);
    Step(25);
    EXPECT_EQ(player.outcome, STAGE_COMPLETE);
    EXPECT_EQ(config.Players[0].Stage, 4);
    Step(25);
    EXPECT_EQ(config.Players[0].Stage, 4); // once
    Config = saved;
    // The next stage starts with the shield the last one left.
    player.Shield = 250;
    player.SetMission(TMissionValues());
    player.ResetForStage();
    EXPECT_FLOAT_EQ(player.Shield, 250);
}

TEST_F(PlayerTest, NitroAndNoControl) {
    // Nitro takes the car to 1.1 x MaxSpeed, not beyond; its end cuts it back.
    Drive(100);
    ActiveBonus = BT_NITRO;
    StepFor(3000, Keys(false, false, true));
    EXPECT_GE(player.speed, 110);
    EXPECT_LT(player.speed, 112.6f);
    ActiveBonus = BT_NONE;
    Step(25);
    EXPECT_FLOAT_EQ(player.speed, 100);

    // COL_NOCONTROL: no braking, no steering.
    player.contact.wheelTypes = {COL_MAINROAD, COL_NOCONTROL, COL_MAINROAD, COL_MAINROAD};
    TPlayerInput input = Keys(true, false);
    input.backward = true;
    StepFor(500, input);
    EXPECT_FLOAT_EQ(player.speed, 100);
    EXPECT_EQ(player.Heading(), 0);
}

TEST_F(PlayerTest, DeadlySurfaceKillsUnlessGhostAndTheStageIsLostAfterFiveSeconds) {
    Drive(60);
    player.contact.wheelTypes = {COL_MAINROAD, COL_MAINROAD, COL_MAINROAD, COL_KILL};
    ActiveBonus = BT_GHOST;
    Step(25);
    EXPECT_GT(player.Health, 0);
    ActiveBonus = BT_NONE;
    Step(25);
    EXPECT_TRUE(player.Destroyed);
    EXPECT_EQ(player.speed, 0);
    // The frame of death counts: 200 frames of 25 ms in all reach 5000 ms, the next passes it.
    StepFor(199 * 25);
    EXPECT_EQ(player.outcome, STAGE_PLAYING);
    Step(25);
    EXPECT_EQ(player.outcome, STAGE_LOST);
    EXPECT_FLOAT_EQ(player.MaxHeading(), kPi / 8) << "the steering limit stays defined at no speed";
}

TEST_F(PlayerTest, NoTimeDestroysTheCarAtOnce) {
    player.TimeLeft = 0;
    Step(25);
    EXPECT_TRUE(player.Destroyed);
    StepFor(5025);
    EXPECT_EQ(player.outcome, STAGE_LOST);
}

TEST_F(PlayerTest, GhostPassesThroughCarsOtherwiseTheyArePushedApart) {
    Drive(60);
    AddCar(player.position.x + 1, player.position.y).type.SpecialKind = SM_NEUTRAL;
    ActiveBonus = BT_GHOST;
    Step(25);
    EXPECT_FLOAT_EQ(traffic.Car(0).position.x, player.position.x + 1);
    ActiveBonus = BT_NONE;
    const float health = traffic.Car(0).health;
    Step(25);
    EXPECT_GT(traffic.Car(0).position.x - player.position.x, 1);
    EXPECT_FLOAT_EQ(traffic.Car(0).health, health - 40);
    EXPECT_TRUE(MissionValues.SpecialMissionHit) << "touching a neutral car counts as hitting it";
}

} // namespace
