// Data\Maps\Global.cfg: the player's weapon values, bonus amounts, the traffic's weapons and
// the global car types every stage draws on.
#include "GameTables.h"

#include "DataTree.h"
#include "Generators.h"
#include "IniWriter.h"

#include <cstdio>
#include <iterator>

namespace {

// The player's weapons: damage per hit and milliseconds between shots. "Rocket" is the
// bazooka's shot on the fire button, "Bazooka" the damage of the homing rocket.
struct TPlayerWeapon {
    const char* key;
    int damage;
    int shootDelay;
};
constexpr TPlayerWeapon kPlayerWeapons[] = {
    {"Gun", 120, 260},     {"ShotGun", 160, 550}, {"Uzi", 90, 90},
    {"MiniGun", 140, 110}, {"Bazooka", 700, 250}, {"Rocket", 600, 800},
};

// Timed bonuses are in seconds of double-speed countdown (12 lasts 6 s), BT_TIME in
// milliseconds, the weapons in rounds.
struct TBonus {
    const char* name;
    int amount;
};
constexpr TBonus kBonuses[] = {
    {"BT_TIME", 10000}, {"BT_SLOMO", 16},  {"BT_REPAIR", 300}, {"BT_SHIELD", 400}, {"BT_GHOST", 14},
    {"BT_NITRO", 12},   {"BT_ROCKETS", 4}, {"BT_UZI", 150},    {"BT_SHOTGUN", 40}, {"BT_MACHINEGUN", 200},
    {"BT_BAZOOKA", 8},  {"BT_MONEY", 20},  {"BT_SCORES", 500},
};

struct TWeaponEntry {
    const char* gunner;
    const char* sound;
    const char* type;
    int shootDelay;
    int damage;
    const char* flame;
};
// In TTrafficWeapon order. The shotgun shares the uzi gunner, as the player's does.
constexpr TWeaponEntry kWeapons[] = {
    {"gunner_gun.hsa", "Shoot_gun.WAV", "WT_BULLET", 900, 10, "FS_SMALL"},
    {"gunner_uzi.hsa", "Shoot_uzi.WAV", "WT_BULLET", 220, 5, "FS_SMALL"},
    {"gunner_machinegun.hsa", "Shoot_assault.WAV", "WT_BULLET", 300, 12, "FS_MIDDLE"},
    {"gunner_uzi.hsa", "Shoot_shotgun.WAV", "WT_BULLET", 1100, 30, "FS_LARGE"},
    {"gunner_machinegun.hsa", "Shoot_rocket.WAV", "WT_ROCKET", 2600, 110, "FS_LARGE"},
};
static_assert(std::size(kWeapons) == TW_COUNT);

struct TGlobalCarEntry {
    int model;
    TCarValues values;
};
// In TGlobalCar order, on the models Car_01 saloon, 02 hatchback, 03 van, 04 truck, 05 pickup,
// 06 police car, 07 armoured car, 08 coupe, 09 taxi, 10 raider. Speeds: traffic keeps its own
// speed between its limits; the player drives at up to 100 .. 130.
const TGlobalCarEntry kCars[] = {
    {1, {TW_NONE, 250, "AT_NONE", "DT_NORMAL", 3, 40, 45, 35, 55, false, 60, "BT_NONE"}},
    {2, {TW_NONE, 200, "AT_NONE", "DT_NORMAL", 2, 40, 50, 40, 60, false, 50, "BT_TIME"}},
    {9, {TW_NONE, 250, "AT_NONE", "DT_NORMAL", 3, 60, 62, 50, 70, false, 60, "BT_SCORES"}},
    {3, {TW_NONE, 700, "AT_NONE", "DT_NORMAL", 6, 80, 38, 30, 45, false, 120, "BT_REPAIR"}},
    {5, {TW_PISTOL, 400, "AT_TARGET", "DT_AITYPE1", 3, 150, 60, 30, 105, false, 80, "BT_UZI"}},
    {10, {TW_UZI, 450, "AT_TARGET", "DT_AITYPE2", 3, 200, 70, 40, 115, false, 80, "BT_SHOTGUN"}},
    {5, {TW_NONE, 550, "AT_NONE", "DT_AITYPE5", 6, 180, 70, 40, 120, false, 150, "BT_NITRO"}},
    {4, {TW_NONE, 900, "AT_NONE", "DT_AITYPE3", 8, 220, 55, 30, 95, false, 120, "BT_SHIELD"}},
    {10, {TW_MACHINEGUN, 900, "AT_TARGET", "DT_AITYPE4", 5, 300, 65, 40, 115, false, 150, "BT_MACHINEGUN"}},
    {4, {TW_LAUNCHER, 1200, "AT_BACKWARD", "DT_AITYPE1", 7, 400, 60, 35, 105, false, 200, "BT_ROCKETS"}},
    {7, {TW_SHOTGUN, 800, "AT_BACKWARD", "DT_AITYPE2", 4, 350, 55, 40, 110, false, 120, "BT_MONEY"}},
    {6, {TW_SHOTGUN, 500, "AT_TARGET", "DT_AITYPE2", 3, 220, 75, 45, 120, true, 80, "BT_GHOST"}},
    {8, {TW_NONE, 300, "AT_NONE", "DT_NORMAL", 2, 100, 85, 75, 95, false, 60, "BT_SLOMO"}},
};
static_assert(std::size(kCars) == GC_COUNT);

} // namespace

std::string CarModel(int number) {
    char name[40];
    std::snprintf(name, sizeof name, "Data\\Models\\Cars\\Car_%02d.hsa", number);
    return name;
}

void TCarValues::Write(TIniWriter& ini) const {
    ini.Key("Weapon", weapon);
    ini.Key("Health", health);
    ini.Key("AttackType", attack);
    ini.Key("DriveType", drive);
    ini.Key("Mass", mass);
    ini.Key("Score", score);
    if (speed > 0) ini.Key("Speed", speed);
    if (minSpeed > 0) ini.Key("MinSpeed", minSpeed);
    if (maxSpeed > 0) ini.Key("MaxSpeed", maxSpeed);
    ini.Key("CanSpawnBottom", canSpawnBottom);
    ini.Key("ExplosionDamage", explosionDamage);
    ini.Key("BonusType", bonus);
}

void GenerateGameTables(TDataTree& tree) {
    TIniWriter ini;
    ini.Comment("Kestrova: the tables every stage shares. Missions name weapons and car types by index.");
    ini.Section("Main");
    ini.Key("ExplosionRadius", 6);

    ini.Section("PlayerDamage");
    for (const TPlayerWeapon& w : kPlayerWeapons)
        ini.Key(w.key, w.damage);
    ini.Section("PlayerShootDelay");
    for (const TPlayerWeapon& w : kPlayerWeapons)
        ini.Key(w.key, w.shootDelay);

    ini.Section("Bonus");
    for (const TBonus& b : kBonuses)
        ini.Key(b.name, b.amount);

    ini.Section("Weapons");
    ini.Key("Count", static_cast<int>(std::size(kWeapons)));
    for (size_t i = 0; i < std::size(kWeapons); ++i) {
        const TWeaponEntry& w = kWeapons[i];
        ini.Section("Weapon_" + std::to_string(i));
        ini.Key("Gunner", std::string("Data\\Models\\Gunner_pl\\") + w.gunner);
        ini.Key("ShootSound", std::string("Data\\Sounds\\") + w.sound);
        ini.Key("WeaponType", w.type);
        ini.Key("ShootDelay", w.shootDelay);
        ini.Key("Damage", w.damage);
        ini.Key("FlameSize", w.flame);
    }

    ini.Section("Cars");
    ini.Key("Count", static_cast<int>(std::size(kCars)));
    for (size_t i = 0; i < std::size(kCars); ++i) {
        ini.Section("Car_" + std::to_string(i));
        ini.Key("Model", CarModel(kCars[i].model));
        kCars[i].values.Write(ini);
    }
    tree.Text("Data/Maps/Global.cfg", ini.Text());
}
