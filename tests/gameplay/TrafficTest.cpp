// The traffic: hit tests, destruction and chains, car shots at the player, lanes, removal
// lines, the special mission's counters.
#include "StageFixture.h"

#include "gameplay/TrafficTrack.h"
#include "platform/Audio.h"
#include "resources/SoundLib.h"
#include "support/SoundData.h"
#include "world/EnumNames.h"

#include <cmath>

namespace {

// Every window slot holds block `block`: lanes 1..3 at x = -6, 0, 6, each with a spawn point
// 10 units into the block.
struct TFakeLanes : TTrafficTrack {
    int block = 0;
    static float X(int lane) { return 6.0f * (lane - 2); }
    static bool Lane(int lane, float y, TVector4& p) {
        p = {X(lane), y, 0, 0};
        return lane >= 1 && lane <= 3;
    }
    float Scroll() const override { return 0; }
    int BlockAt(int) const override { return block; }
    bool ExitPoint(int, int lane, TVector4& p) const override { return Lane(lane, -40, p); }
    bool EnterPoint(int, int lane, TVector4& p) const override { return Lane(lane, 0, p); }
    int SpawnPointCount(int) const override { return 3; }
    int SpawnPointExit(int, int index) const override { return index + 1; }
    TVector4 SpawnPointPosition(int, int index) const override { return {X(index + 1), -10, 0, 0}; }
};

class TrafficTest : public StageFixture {
protected:
    TrafficTest() { Drive(60); }
    // An armed car `lead` units ahead of the player that keeps its place.
    TTrafficCar& Attacker(float lead, int weaponType, int damage = 50, int attackType = AT_TARGET) {
        Weapons.push_back({});
        Weapons.back().WeaponType = weaponType;
        Weapons.back().Damage = damage;
        TTrafficCar& car = AddCar(player.position.x, player.position.y - lead);
        car.type.Weapon = static_cast<int>(Weapons.size()) - 1;
        car.type.AttackType = attackType;
        car.type.MinSpeed = car.type.MaxSpeed = 60;
        car.speed = 60;
        return car;
    }
    // One traffic update at play time `ms`, when the cars' guns may fire.
    void UpdateAt(int ms) {
        game.playTime = ms;
        traffic.Update(1);
    }
    TFakeLanes lanes;
};

TEST_F(TrafficTest, AProbeBetweenTwoOverlappingCarsHitsBoth) {
    AddCar(0, -100);
    AddCar(1, -100);
    AddCar(30, -100);
    int index = -2;
    EXPECT_TRUE(traffic.HitTest({}, {0.5f, -100, 0, 0}, index, 25));
    EXPECT_EQ(index, 1);
    EXPECT_FLOAT_EQ(traffic.Car(0).health, 75);
    EXPECT_FLOAT_EQ(traffic.Car(1).health, 75);
    EXPECT_FLOAT_EQ(traffic.Car(2).health, 100);
    EXPECT_FALSE(traffic.HitTest({}, {15, -100, 0, 0}, index, 25));
    EXPECT_EQ(index, -1);
    // Slow frames widen the radius: 32 ms doubles it.
    game.frameStep = 32;
    EXPECT_TRUE(traffic.HitTest({}, {5, -100, 0, 0}, index, 25));
}

TEST_F(TrafficTest, ExplosionsChainThroughNeighbours) {
    ExplosionRadius = 10;
    TTrafficCar& first = AddCar(0, -200, 100);
    first.type.ExplosionDamage = 150;
    TTrafficCar& second = AddCar(5, -200, 100);
    second.type.ExplosionDamage = 150;
    AddCar(12, -200, 100); // beyond the first car's radius, within the second's
    AddCar(30, -200, 100); // beyond both
    // The last car in the array explodes first; its neighbour follows at its own turn.
    traffic.Car(0).health = 0;
    traffic.Update(25);
    EXPECT_TRUE(traffic.Car(0).destroyed);
    EXPECT_TRUE(traffic.Car(1).destroyed);
    EXPECT_LE(traffic.Car(2).health, -50);
    EXPECT_FLOAT_EQ(traffic.Car(3).health, 100);
    traffic.Update(25);
    EXPECT_TRUE(traffic.Car(2).destroyed);
    EXPECT_EQ(traffic.LiveCount(), 1);
    // A wreck is hit again but never explodes twice.
    const float before = traffic.Car(0).health;
    int index = -1;
    traffic.HitTest({}, traffic.Car(0).position, index, 10);
    traffic.Update(25);
    EXPECT_FLOAT_EQ(traffic.Car(0).health, before - 10);
}

TEST_F(TrafficTest, ShieldTakesAWholeHitAndGoesNegative) {
    Attacker(20, WT_BULLET, 400);
    Weapons[0].ShootDelay = 500;
    player.Shield = 30;
    UpdateAt(1000);
    EXPECT_FLOAT_EQ(player.Shield, -370);
    EXPECT_FLOAT_EQ(player.Health, 1000);
    // The cooldown holds the next shot back; then the health takes it.
    UpdateAt(1200);
    EXPECT_FLOAT_EQ(player.Health, 1000);
    UpdateAt(1500);
    EXPECT_FLOAT_EQ(player.Health, 600);
    // Ghost: nobody fires.
    ActiveBonus = BT_GHOST;
    UpdateAt(3000);
    EXPECT_FLOAT_EQ(player.Health, 600);
    // A car shot to pieces explodes before it could fire again.
    ActiveBonus = BT_NONE;
    traffic.Car(0).health = 0;
    UpdateAt(5000);
    EXPECT_TRUE(traffic.Car(0).destroyed);
    EXPECT_FLOAT_EQ(player.Health, 600);
}

TEST_F(TrafficTest, ACarInTheLineOfFireTakesTheBulletForThePlayerButNeverTheShooter) {
    // Shooting back over its tail at the player behind it.
    Attacker(40, WT_BULLET, 50, AT_BACKWARD);
    AddCar(player.position.x, -60).type.MinSpeed = 60;
    UpdateAt(1000);
    EXPECT_FLOAT_EQ(player.Health, 1000);
    EXPECT_LT(traffic.Car(1).health, 100);
    // So close that its first probe lies within its own body: the player is hit all the same.
    traffic.Clear();
    Attacker(10, WT_BULLET);
    UpdateAt(2000);
    EXPECT_FLOAT_EQ(player.Health, 950);
    EXPECT_FLOAT_EQ(traffic.Car(0).health, 100);
}

TEST_F(TrafficTest, ARocketCarsRocketHitsThePlayerThroughTheShieldOrLeavesWhenItMisses) {
    Attacker(20, WT_ROCKET, 70);
    player.Shield = 500;
    UpdateAt(1000);
    ASSERT_EQ(rockets.Count(), 1);
    for (int frame = 0; frame < 20; ++frame)
        rockets.Update(10);
    EXPECT_FLOAT_EQ(player.Health, 930);
    EXPECT_FLOAT_EQ(player.Shield, 500);
    // One that misses leaves after its five seconds, or once off the road.
    rockets.Launch({0, -300, 0, 0}, {0, -1, 0, 0}, {}, 100, false, false, 5000, false, false);
    rockets.Launch({38, -300, 0, 0}, {1, 0, 0, 0}, {}, 100, false, false, 5000, false, false);
    player.forwardVelocity = 0;
    rockets.Update(25);
    rockets.Update(25);
    EXPECT_EQ(rockets.Count(), 1);
    for (int t = 0; t < 5000; t += 25)
        rockets.Update(25);
    EXPECT_EQ(rockets.Count(), 0);
}

TEST_F(TrafficTest, ACarsShotSoundsFromTheRoadsOrigin) {
    TSoundLib sounds(false); // before the loopback device, which it would otherwise close
    if (!platform::AudioInitLoopback(22050)) GTEST_SKIP() << "no loopback device";
    SoundLib = &sounds;
    const std::string tone = SineFile(TSoundFormat::Wav16, 22050, 1, 441, 2.0, 0.5);
    Attacker(20, WT_BULLET);
    Weapons[0].ShootSound = platform::SampleLoadMemory(tone.data(), tone.size());
    // The camera looks down the road; the listener follows it to 8 units to the +x side of
    // (0, 0, 0), which puts the origin on its right.
    TVector4 camera{-8, 0, 0, 0};
    const TVector4 angles{0, -50, 180, 0};
    sounds.SetListener(camera, angles);
    sounds.UpdateListener();
    camera.x = 8;
    sounds.UpdateListener();
    UpdateAt(1000);
    const auto [left, right] = Levels(22050 / 4);
    EXPECT_GT(right, 2 * left);
    SoundLib = nullptr;
    platform::AudioShutdown();
}

TEST_F(TrafficTest, LanesFlipOnANewBlockAndCarsOvertakeInTheLaneBelowElseAbove) {
    game.track = &lanes;
    AddCar(5, -100).lane = 1;
    traffic.Update(10);
    EXPECT_EQ(traffic.Car(0).lane, 1) << "a new car is on block 0 already";
    lanes.block = 1;
    traffic.Update(10);
    EXPECT_EQ(traffic.Car(0).lane, 3) << "flipped to -1, it takes the nearest enter point's lane";

    for (const int lane : {2, 1}) {
        traffic.Clear();
        AddCar(TFakeLanes::X(lane), -100).lane = lane;
        AddCar(TFakeLanes::X(lane), -110).lane = lane; // 10 units ahead in the same line
        traffic.Update(10);
        EXPECT_EQ(traffic.Car(0).lane, lane == 2 ? 1 : 2);
        EXPECT_EQ(traffic.Car(0).indicatorUp, lane == 1);
        EXPECT_EQ(traffic.Car(1).lane, lane);
    }
}

TEST_F(TrafficTest, SpecialMissionCountersTheSpecialHitFlagAndTheAimMark) {
    SpecMission.NeutralAlive = SpecMission.FriendLosses = 1;
    AddCar(-20, -200, 0).type.SpecialKind = SM_NEUTRAL;
    AddCar(20, -200, 0).type.SpecialKind = SM_FRIEND;
    traffic.Update(10);
    EXPECT_EQ(SpecMission.NeutralAlive, 0);
    EXPECT_EQ(SpecMission.FriendLosses, 0);

    traffic.Clear();
    TTrafficCar& neutral = Attacker(20, WT_BULLET);
    neutral.type.SpecialKind = SM_NEUTRAL;
    neutral.health = 10000;
    UpdateAt(1000);
    EXPECT_FLOAT_EQ(player.Health, 1000) << "a neutral car holds its fire until it is hit";
    game.aim = traffic.Car(0).position;
    TPlayerInput shoot;
    shoot.shoot = true;
    player.Update(25, shoot);
    EXPECT_TRUE(MissionValues.SpecialMissionHit);
    UpdateAt(2000);
    EXPECT_FLOAT_EQ(player.Health, 950);

    // The aim marks a live car within 10 units of the aim point.
    const TVector4 at = traffic.Car(0).position;
    traffic.MarkAimed({at.x + 9.9f, at.y, 0, 0});
    EXPECT_TRUE(traffic.Car(0).aimedAt);
    traffic.MarkAimed({at.x + 10.1f, at.y, 0, 0});
    EXPECT_FALSE(traffic.Car(0).aimedAt);
}

TEST_F(TrafficTest, RemovalLines) {
    AddCar(0, 120);           // spawned behind the player: stays
    AddCar(0, 135);           // dropped back too far
    AddCar(0, -365);          // ran away ahead
    AddCar(0, 50).health = 0; // a wreck behind the player's line
    traffic.Update(1);
    ASSERT_EQ(traffic.CarCount(), 1);
    EXPECT_NEAR(traffic.Car(0).position.y, 120, 0.1f);
}

TEST_F(TrafficTest, HomingRocketFollowsTheAimedCarThenFliesStraightOn) {
    player.forwardVelocity = 0;
    AddCar(20, -150).type.MinSpeed = 0;
    traffic.Car(0).speed = 0;
    game.aim = {20, -150, 0, 0};
    rockets.Launch({0, -45, 1, 0}, {0, -1, 0, 0}, {}, 350, false, true, 5000, true, true);
    rockets.Update(25);
    EXPECT_GT(rockets.Rocket(0).velocity.x, 0);
    // The aim wanders off every car: the rocket keeps its last course.
    game.aim = {-30, -100, 0, 0};
    const TVector4 course = rockets.Rocket(0).velocity;
    rockets.Update(25);
    EXPECT_FLOAT_EQ(rockets.Rocket(0).velocity.x, course.x);
    EXPECT_FLOAT_EQ(rockets.Rocket(0).velocity.y, course.y);
    // Any car within 5 units takes it, not only the target.
    AddCar(rockets.Rocket(0).position.x + 3, rockets.Rocket(0).position.y).type.MinSpeed = 0;
    traffic.Car(1).speed = 0;
    rockets.Update(25);
    EXPECT_EQ(rockets.Count(), 0);
    EXPECT_FLOAT_EQ(traffic.Car(1).health, 100 - 350);
    EXPECT_FLOAT_EQ(traffic.Car(0).health, 100);
}

} // namespace
