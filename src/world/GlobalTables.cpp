// Loading of "Data\Maps\Global.cfg", read once when the game environment is created.
#include "world/GlobalTables.h"

#include "core/Error.h"
#include "core/Log.h"
#include "resources/DataPath.h"
#include "world/CarTypes.h"
#include "world/EnumNames.h"
#include "world/IniFile.h"
#include "world/WorldMessages.h"

#include <array>
#include <string>

int ExplosionRadius = 4;
namespace {

void LogLine(const std::string& line) {
    if (Log) Log->Write(line);
}

const char* const kPlayerWeaponKeys[] = {"Gun", "ShotGun", "Uzi", "MiniGun", "Bazooka", "Rocket"};
static_assert(std::size(kPlayerWeaponKeys) == PW_COUNT);
constexpr std::array<int, PW_COUNT> kDefaultPlayerDamage = {400, 400, 200, 400, 350, 350};
constexpr std::array<int, PW_COUNT> kDefaultPlayerShootDelay = {100, 200, 100, 300, 250, 500};

// The [Bonus] keys in reading order.
constexpr TBonusType kBonusReadOrder[] = {BT_TIME,    BT_SLOMO,   BT_REPAIR, BT_SHIELD,  BT_GHOST,
                                          BT_NITRO,   BT_ROCKETS, BT_UZI,    BT_SHOTGUN, BT_MACHINEGUN,
                                          BT_BAZOOKA, BT_MONEY,   BT_SCORES};
static_assert(std::size(kBonusReadOrder) == BT_COUNT - 1);

TWeapon ReadWeapon(const TIniFile& ini, const std::string& section, TWorldAssets& assets) {
    TWeapon weapon;
    LogLine(worldtext::LoadingModel);
    weapon.Model = assets.LoadModel(
        DataPath(ini.ReadString(section, "Gunner", "Data\\Models\\Gunner_pl\\gunner_gun.hsa")));
    LogLine(worldtext::LoadingSound);
    weapon.ShootSound = assets.LoadSound(
        DataPath(ini.ReadString(section, "ShootSound", "Data\\Sounds\\Shoot_gun.wav")), false);
    LogLine(worldtext::LoadingParameters);
    ini.ReadEnum(section, "WeaponType", "WT_BULLET", kWeaponTypeNames, weapon.WeaponType);
    weapon.ShootDelay = ini.ReadInteger(section, "ShootDelay", 1000);
    weapon.Damage = ini.ReadInteger(section, "Damage", 0);
    int flameSize = FS_NONE;
    ini.ReadEnum(section, "FlameSize", "FS_NONE", kFlameSizeNames, flameSize);
    weapon.FlameSize = static_cast<float>(flameSize);
    return weapon;
}

TCarType ReadCar(const TIniFile& ini, const std::string& section, TWorldAssets& assets) {
    TCarType type;
    LogLine(worldtext::LoadingModel);
    type.Models = {
        assets.LoadModel(DataPath(ini.ReadString(section, "Model", "Data\\Models\\Cars\\Car_01.hsa")))};
    type.ModelCount = 1;
    LogLine(worldtext::SettingKeyPoints);
    FindCarNodes(type, assets);
    LogLine(worldtext::LoadingParameters);
    ReadCarValues(ini, section, 0, type);
    if (type.Weapon >= static_cast<int>(Weapons.size())) {
        LogLine("Global.cfg [" + section + "]: no weapon " + std::to_string(type.Weapon) + " among " +
                std::to_string(Weapons.size()) + "; the car is unarmed");
        type.Weapon = NO_WEAPON;
    }
    return type;
}

} // namespace

std::array<int, PW_COUNT> PlayerDamage = kDefaultPlayerDamage;
std::array<int, PW_COUNT> PlayerShootDelay = kDefaultPlayerShootDelay;
std::array<int, BT_COUNT> BonusAmount = {};

void LoadGlobalTables(TWorldAssets& assets) {
    LogLine(worldtext::LoadingGlobal);
    const TIniFile ini = TIniFile::Open(DataPath("Data\\Maps\\Global.cfg"));

    ExplosionRadius = ini.ReadInteger("Main", "ExplosionRadius", 4);
    LogLine(worldtext::LoadingPlayerWeapons);
    for (int w = 0; w < PW_COUNT; ++w)
        PlayerDamage[w] = ini.ReadInteger("PlayerDamage", kPlayerWeaponKeys[w], kDefaultPlayerDamage[w]);
    for (int w = 0; w < PW_COUNT; ++w)
        PlayerShootDelay[w] =
            ini.ReadInteger("PlayerShootDelay", kPlayerWeaponKeys[w], kDefaultPlayerShootDelay[w]);

    LogLine(worldtext::LoadingBonuses);
    for (const TBonusType bonus : kBonusReadOrder)
        BonusAmount[bonus] = ini.ReadInteger("Bonus", kBonusTypeNames[bonus].Name, 0);

    const int weaponCount = ini.ReadInteger("Weapons", "Count", 0);
    const int carCount = ini.ReadInteger("Cars", "Count", 0);
    if (weaponCount > MAX_TABLE_ENTRIES || carCount > MAX_TABLE_ENTRIES)
        throw EGameError("Global.cfg: " + std::to_string(weaponCount) + " weapons and " +
                         std::to_string(carCount) + " cars are too many");

    LogLine(worldtext::LoadingWeaponList);
    Weapons.clear();
    for (int i = 0; i < weaponCount; ++i)
        Weapons.push_back(ReadWeapon(ini, "Weapon_" + std::to_string(i), assets));

    LogLine(worldtext::LoadingCarList);
    CarTypes.clear();
    for (int i = 0; i < carCount; ++i)
        CarTypes.push_back(ReadCar(ini, "Car_" + std::to_string(i), assets));
}
