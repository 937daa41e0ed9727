// The traffic: hit tests, destruction and chains, car shots at the player, removal lines.
#include "StageFixture.h"

#include "world/EnumNames.h"

namespace {

class TrafficTest : public StageFixture {
protected:
    TrafficTest() { Drive(60); }
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
    EXPECT_EQ(traffic.Car(0).hitTime, 2000);
    EXPECT_FALSE(traffic.HitTest({}, {15, -100, 0, 0}, index, 25));
    EXPECT_EQ(index, -1);
    // Slow frames widen the radius: 32 ms doubles it.
    game.frameStep = 32;
    EXPECT_TRUE(traffic.HitTest({}, {5, -100, 0, 0}, index, 25));
}

TEST_F(TrafficTest, NearestCar) {
    EXPECT_EQ(traffic.NearestCar({}, -1), -1);
    AddCar(0, -100);
    AddCar(0, -50);
    EXPECT_EQ(traffic.NearestCar({0, -60, 0, 0}, -1), 1);
    EXPECT_EQ(traffic.NearestCar({0, -60, 0, 0}, 1), 0);
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
    Weapons.push_back({});
    Weapons[0].WeaponType = WT_BULLET;
    Weapons[0].Damage = 400;
    Weapons[0].ShootDelay = 500;
    TTrafficCar& car = AddCar(player.position.x, -60);
    car.type.Weapon = 0;
    car.type.AttackType = AT_TARGET;
    car.type.MinSpeed = car.type.MaxSpeed = 60; // keeps its place ahead
    car.speed = 60;
    player.Shield = 30;
    game.playTime = 1000;
    traffic.Update(1);
    EXPECT_FLOAT_EQ(player.Shield, -370);
    EXPECT_FLOAT_EQ(player.Health, 1000);
    // The cooldown holds the next shot back; then the health takes it.
    game.playTime = 1200;
    traffic.Update(1);
    EXPECT_FLOAT_EQ(player.Health, 1000);
    game.playTime = 1500;
    traffic.Update(1);
    EXPECT_FLOAT_EQ(player.Health, 600);
    // Ghost: nobody fires.
    ActiveBonus = BT_GHOST;
    game.playTime = 3000;
    traffic.Update(1);
    EXPECT_FLOAT_EQ(player.Health, 600);
}

TEST_F(TrafficTest, ACarInTheLineOfFireTakesTheBulletForThePlayer) {
    Weapons.push_back({});
    Weapons[0].Damage = 50;
    // Shooting back over its tail at the player behind it.
    TTrafficCar& shooter = AddCar(player.position.x, -80);
    shooter.type.Weapon = 0;
    shooter.type.AttackType = AT_BACKWARD;
    shooter.type.MinSpeed = shooter.type.MaxSpeed = 60;
    shooter.speed = 60;
    AddCar(player.position.x, -60).type.MinSpeed = 60;
    game.playTime = 1000;
    traffic.Update(1);
    EXPECT_FLOAT_EQ(player.Health, 1000);
    EXPECT_LT(traffic.Car(1).health, 100);
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

TEST_F(TrafficTest, TracerAndRocketLifetimes) {
    tracers.AddTracer({0, 0, 0, 0}, {0, -30, 0, 0}, false, 50, 0);
    tracers.AddTracer({0, 0, 0, 0}, {0, -30, 0, 0}, false, 150, 150);
    EXPECT_FLOAT_EQ(tracers.Tracer(0).length, 10);
    EXPECT_GE(tracers.Tracer(0).streak.y, -21);
    tracers.Update(25);
    tracers.Update(24);
    EXPECT_EQ(tracers.Count(), 2);
    tracers.Update(1);
    ASSERT_EQ(tracers.Count(), 1);
    EXPECT_EQ(tracers.Tracer(0).sparkTime, 100);
    tracers.Update(100);
    EXPECT_EQ(tracers.Count(), 0);

    // A hostile rocket that misses disappears after its 5 s or when it leaves the road.
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
