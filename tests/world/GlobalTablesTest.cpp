// Loading Global.cfg: defaults, key and enumeration texts, the default models and sounds, weapon indices.
#include "world/GlobalTables.h"
#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "support/FakeWorldAssets.h"
#include "support/ScratchProgram.h"
#include "world/CarTypes.h"
#include "world/EnumNames.h"

#include <gtest/gtest.h>

namespace {

class GlobalTablesTest : public ::testing::Test {
protected:
    void TearDown() override {
        Weapons.clear();
        CarTypes.clear();
    }
    void Load(const std::string& text) {
        program_.Put("Data/Maps/Global.cfg", text);
        LoadGlobalTables(assets_);
    }

    TScratchProgram program_;
    TFakeWorldAssets assets_;
};

} // namespace

TEST_F(GlobalTablesTest, ValuesWeaponsAndCarsOverTheDefaults) {
    Load("");
    EXPECT_EQ(ExplosionRadius, 4);
    EXPECT_EQ(PlayerDamage, (std::array<int, PW_COUNT>{400, 400, 200, 400, 350, 350}));
    EXPECT_TRUE(Weapons.empty());

    Load("[main]\nExplosionRadius=6\n[PlayerDamage]\nUzi=210\nrocket=0x20\n[PlayerShootDelay]\nMiniGun=x\n"
         "[Bonus]\nBT_TIME=15\nbt_money=500\n"
         "[Weapons]\nCount=2\n[Cars]\nCount=3\n"
         "[weapon_0]\nWeaponType=wt_rocket\nFlameSize=FS_MIDDLE\n"
         "[WEAPON_1]\nGunner=Data\\Models\\w1.hsa\nShootSound=Data\\Sounds\\w1.wav\nWeaponType=WT_ROCKET\n"
         "[Car_0]\nModel=Data\\Models\\Cars\\Van.hsa\nWeapon=1\nAttackType=AT_TARGET\nCanSpawnBottom=TRUE\n"
         "BonusType=BT_NITRO\n"
         "[Car_1]\nWeapon=-1\nCanSpawnBottom=True\nAttackType=at_target\n"
         "[Car_2]\nWeapon=2\n");
    EXPECT_EQ(ExplosionRadius, 6);
    EXPECT_EQ(PlayerDamage[PW_UZI], 210);
    EXPECT_EQ(PlayerDamage[PW_ROCKET], 32);
    EXPECT_EQ(PlayerShootDelay[PW_MINIGUN], 300);
    EXPECT_EQ(BonusAmount[BT_TIME], 15);
    // Key names are matched without regard to case, enumeration names with it.
    EXPECT_EQ(BonusAmount[BT_MONEY], 500);

    ASSERT_EQ(Weapons.size(), 2u);
    EXPECT_EQ(Weapons[0].WeaponType, WT_BULLET);
    EXPECT_EQ(Weapons[0].FlameSize, 2.0f);
    EXPECT_EQ(Weapons[0].ShootDelay, 1000);
    EXPECT_EQ(Weapons[0].Model, assets_.Model(ProgramDir + "Data\\Models\\Gunner_pl\\gunner_gun.hsa"));
    EXPECT_EQ(Weapons[1].WeaponType, WT_ROCKET);
    EXPECT_EQ(Weapons[1].Model, assets_.Model(ProgramDir + "Data\\Models\\w1.hsa"));
    EXPECT_EQ(assets_.sounds, (std::vector<std::string>{ProgramDir + "Data\\Sounds\\Shoot_gun.wav",
                                                        ProgramDir + "Data\\Sounds\\w1.wav"}));

    ASSERT_EQ(CarTypes.size(), 3u);
    const TCarType& van = CarTypes[0];
    ASSERT_EQ(van.Models.size(), 1u);
    const int model = assets_.ModelNumber(van.Models[0]);
    EXPECT_EQ(van.Models[0], assets_.Model(ProgramDir + "Data\\Models\\Cars\\Van.hsa"));
    EXPECT_EQ(van.WeaponNode, model * 100 + 4);
    EXPECT_EQ(van.Weapon, 1);
    EXPECT_EQ(van.AttackType, AT_TARGET);
    EXPECT_TRUE(van.CanSpawnBottom);
    EXPECT_EQ(van.BonusType, BT_NITRO);

    const TCarType& plain = CarTypes[1];
    EXPECT_EQ(plain.Models[0], assets_.Model(ProgramDir + "Data\\Models\\Cars\\Car_01.hsa"));
    EXPECT_EQ(plain.Weapon, NO_WEAPON);
    EXPECT_FALSE(plain.CanSpawnBottom);
    EXPECT_EQ(plain.AttackType, AT_NONE);
    EXPECT_EQ(plain.Health, 1);
    // A weapon past the list leaves the car unarmed.
    EXPECT_EQ(CarTypes[2].Weapon, NO_WEAPON);
}
