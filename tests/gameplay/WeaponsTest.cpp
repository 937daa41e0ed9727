// The fire and rocket buttons, and the bonuses a destroyed car hands over.
#include "StageFixture.h"

#include "resources/Matrix.h"
#include "world/BonusTypes.h"

namespace {

class WeaponsTest : public StageFixture {
protected:
    WeaponsTest() { Drive(60); }
    void Aim(float x, float y) { game.aim = {x, y, 0, 0}; }
    void Fire(bool missile = false) {
        TPlayerInput input;
        input.shoot = !missile;
        input.missile = missile;
        player.Update(25, input);
        lastInput = input;
    }
    TPlayerInput lastInput;
};

TEST_F(WeaponsTest, GunHitsTheAimedCarAndAimingAtTheCarFiresNothing) {
    TTrafficCar& car = AddCar(0, -70, 1000);
    Aim(0, -70);
    Fire();
    EXPECT_FLOAT_EQ(traffic.Car(0).health, 600);
    ASSERT_EQ(tracers.Count(), 1);
    EXPECT_EQ(player.shootCooldown, 100);
    (void)car;

    // Within 5 units of the car: no shot, no cooldown.
    player.shootCooldown = 0;
    player.muzzleFlashTime = 0;
    Aim(player.position.x + 1, player.position.y);
    Fire();
    EXPECT_EQ(player.shootCooldown, 0);
    EXPECT_EQ(player.muzzleFlashTime, 0);

    // Empty road: a flash but no tracer.
    tracers.Clear();
    Aim(20, -80);
    Fire();
    EXPECT_GT(player.muzzleFlashTime, 0);
    EXPECT_EQ(tracers.Count(), 0);
}

TEST_F(WeaponsTest, BazookaWinsOverEveryBulletWeaponAndTheRocketKeyLaunchesOne) {
    hud.BazookaBullets = 2;
    hud.MachinegunBullets = 5;
    Aim(0, -70);
    Fire();
    EXPECT_EQ(hud.BazookaBullets, 1);
    EXPECT_EQ(hud.MachinegunBullets, 5);
    ASSERT_EQ(rockets.Count(), 1);
    EXPECT_FALSE(rockets.Rocket(0).homing);
    EXPECT_FLOAT_EQ(rockets.Rocket(0).damage, 300) << "the \"Rocket\" damage";
    EXPECT_EQ(player.shootCooldown, 500);

    // Holding the rocket key launches one rocket.
    rockets.Clear();
    hud.Rockets = 3;
    Aim(0, -70);
    Fire(true);
    EXPECT_TRUE(lastInput.missileUsed);
    EXPECT_EQ(hud.Rockets, 2);
    ASSERT_EQ(rockets.Count(), 1);
    EXPECT_TRUE(rockets.Rocket(0).playerOwned);
    EXPECT_FLOAT_EQ(rockets.Rocket(0).damage, 350) << "the \"Bazooka\" damage";
    // The game clears the key's latch once a rocket has left; with it cleared nothing more flies.
    TPlayerInput cleared;
    player.Update(25, cleared);
    EXPECT_EQ(rockets.Count(), 1);
}

TEST_F(WeaponsTest, ShotgunPelletsHitCarsBesideTheAimAtShortRange) {
    hud.ShotgunBullets = 1;
    // A car 30 units ahead and 8 to the side, where the +15 degree pellet passes.
    const TVector4 m = player.muzzlePoint;
    Aim(m.x, m.y - 30);
    AddCar(m.x + 8.0f, m.y - 30, 1000);
    Fire();
    EXPECT_EQ(hud.ShotgunBullets, 0);
    EXPECT_LT(traffic.Car(0).health, 1000);
    // The pellet that found nothing ends a short way off, not thousands of units away.
    for (int i = 0; i < tracers.Count(); ++i)
        EXPECT_LT(Distance(tracers.Tracer(i).to, m), 400);
}

TEST_F(WeaponsTest, BonusTable) {
    BonusAmount[BT_SHIELD] = 300;
    BonusAmount[BT_REPAIR] = 500;
    BonusAmount[BT_UZI] = 50;
    BonusAmount[BT_SHOTGUN] = 20;
    BonusAmount[BT_NITRO] = 10;
    BonusAmount[BT_TIME] = 15000;
    BonusAmount[BT_SCORES] = 250;

    hud.TakeBonus(BT_SHIELD);
    hud.TakeBonus(BT_SHIELD);
    EXPECT_FLOAT_EQ(player.Shield, 300);

    player.Health = player.MaxHealth - 100;
    hud.TakeBonus(BT_REPAIR);
    EXPECT_FLOAT_EQ(player.Health, player.MaxHealth);

    hud.MachinegunBullets = 7;
    hud.Rockets = 2;
    hud.TakeBonus(BT_UZI);
    hud.TakeBonus(BT_UZI);
    EXPECT_EQ(hud.UziBullets, 100);
    EXPECT_EQ(hud.MachinegunBullets, 0);
    hud.TakeBonus(BT_SHOTGUN);
    EXPECT_EQ(hud.UziBullets, 0);
    EXPECT_EQ(hud.Rockets, 2);

    const int time = player.TimeLeft;
    hud.TakeBonus(BT_TIME);
    EXPECT_EQ(player.TimeLeft, time + 15000);
    hud.TakeBonus(BT_SCORES);
    EXPECT_EQ(player.score.Current(), 250);

    // A timed bonus of 10 lasts 5 s of game time: the HUD's clock runs at twice the step.
    hud.TakeBonus(BT_NITRO);
    EXPECT_EQ(ActiveBonus, BT_NITRO);
    int elapsed = 0;
    while (ActiveBonus == BT_NITRO && elapsed < 20000) {
        hud.Advance(25);
        elapsed += 25;
    }
    EXPECT_EQ(elapsed, 5000);
}

TEST_F(WeaponsTest, DestroyedCarScoresTwiceWithMoneyAndHandsOverItsBonus) {
    BonusAmount[BT_ROCKETS] = 4;
    TTrafficCar& car = AddCar(0, -200, 10);
    car.type.Score = 100;
    car.bonusType = BT_ROCKETS;
    ActiveBonus = BT_MONEY;
    hud.BonusTimeLeft = 10000;
    car.health = 0;
    traffic.Update(25);
    EXPECT_TRUE(traffic.Car(0).destroyed);
    EXPECT_EQ(player.score.Current(), 200);
    EXPECT_EQ(hud.Rockets, 4);
}

} // namespace
