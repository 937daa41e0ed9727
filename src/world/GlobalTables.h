// The game tables that are the same for every stage ("Data\Maps\Global.cfg"): explosion
// radius, the player's weapon values, bonus amounts, the weapons and the car types.
#pragma once

#include "world/BonusTypes.h"
#include "world/WorldAssets.h"

#include <array>

// The player's weapons as the table names them.
enum TPlayerWeapon { PW_GUN, PW_SHOTGUN, PW_UZI, PW_MINIGUN, PW_BAZOOKA, PW_ROCKET, PW_COUNT };

extern int ExplosionRadius;
extern std::array<int, PW_COUNT> PlayerDamage;
extern std::array<int, PW_COUNT> PlayerShootDelay;
// Amount each bonus type gives, by its value; entry 0 (BT_NONE) stays 0.
extern std::array<int, BT_COUNT> BonusAmount;

// Reads program directory + "Data\Maps\Global.cfg" into the values above, Weapons and
// CarTypes, loading models and sounds through `assets`. A car whose weapon index is past
// the weapon list is unarmed, with a log line.
void LoadGlobalTables(TWorldAssets& assets);
