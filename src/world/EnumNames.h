// The enumerations that data files name in words, with their name tables. Each table lists
// every value in order and is checked against its enumeration when this file compiles.
// Bonus type names are beside their enumeration in BonusTypes.h.
#pragma once

#include "world/CollisionTypes.h"
#include "world/EnumLookup.h"
#include "world/WeatherControl.h"

// Collision types: the texture names of collision brushes.
inline constexpr TEnumName kCollisionTypeNames[] = {
    {"COL_MAINROAD", COL_MAINROAD}, {"COL_GRASS", COL_GRASS},         {"COL_ROAD", COL_ROAD},
    {"COL_BACK", COL_BACK},         {"COL_NOCONTROL", COL_NOCONTROL}, {"COL_KILL", COL_KILL}};
static_assert(std::size(kCollisionTypeNames) == COL_KILL + 1 && IsInValueOrder(kCollisionTypeNames));

enum TAttackType { AT_NONE, AT_FORWARD, AT_BACKWARD, AT_TARGET, AT_COUNT };
inline constexpr TEnumName kAttackTypeNames[] = {
    {"AT_NONE", AT_NONE}, {"AT_FORWARD", AT_FORWARD}, {"AT_BACKWARD", AT_BACKWARD}, {"AT_TARGET", AT_TARGET}};
static_assert(std::size(kAttackTypeNames) == AT_COUNT && IsInValueOrder(kAttackTypeNames));

enum TDriveType { DT_NORMAL, DT_AITYPE1, DT_AITYPE2, DT_AITYPE3, DT_AITYPE4, DT_AITYPE5, DT_COUNT };
inline constexpr TEnumName kDriveTypeNames[] = {{"DT_NORMAL", DT_NORMAL},   {"DT_AITYPE1", DT_AITYPE1},
                                                {"DT_AITYPE2", DT_AITYPE2}, {"DT_AITYPE3", DT_AITYPE3},
                                                {"DT_AITYPE4", DT_AITYPE4}, {"DT_AITYPE5", DT_AITYPE5}};
static_assert(std::size(kDriveTypeNames) == DT_COUNT && IsInValueOrder(kDriveTypeNames));

// What a traffic car is to the stage's special mission.
enum TSpecialKind { SM_NONE, SM_FRIEND, SM_NEUTRAL, SM_COUNT };
inline constexpr TEnumName kSpecialKindNames[] = {
    {"SM_NONE", SM_NONE}, {"SM_FRIEND", SM_FRIEND}, {"SM_NEUTRAL", SM_NEUTRAL}};
static_assert(std::size(kSpecialKindNames) == SM_COUNT && IsInValueOrder(kSpecialKindNames));

enum TWeaponType { WT_BULLET, WT_ROCKET, WT_COUNT };
inline constexpr TEnumName kWeaponTypeNames[] = {{"WT_BULLET", WT_BULLET}, {"WT_ROCKET", WT_ROCKET}};
static_assert(std::size(kWeaponTypeNames) == WT_COUNT && IsInValueOrder(kWeaponTypeNames));

// Muzzle flame sizes; a weapon stores the value as a float (FS_MIDDLE is 2.0).
enum TFlameSize { FS_NONE, FS_SMALL, FS_MIDDLE, FS_LARGE, FS_COUNT };
inline constexpr TEnumName kFlameSizeNames[] = {
    {"FS_NONE", FS_NONE}, {"FS_SMALL", FS_SMALL}, {"FS_MIDDLE", FS_MIDDLE}, {"FS_LARGE", FS_LARGE}};
static_assert(std::size(kFlameSizeNames) == FS_COUNT && IsInValueOrder(kFlameSizeNames));

inline constexpr TEnumName kWeatherNames[] = {{"W_NONE", W_NONE}, {"W_RAIN", W_RAIN}, {"W_SNOW", W_SNOW}};
static_assert(std::size(kWeatherNames) == W_SNOW + 1 && IsInValueOrder(kWeatherNames));
