// Bonus types, by the numbers the data files and the HUD use, and their names in the data files.
#pragma once

#include "world/EnumLookup.h"

enum TBonusType {
    BT_NONE = 0,
    BT_UZI = 1,
    BT_MACHINEGUN = 2,
    BT_SHOTGUN = 3,
    BT_BAZOOKA = 4,
    BT_NITRO = 5,
    BT_SHIELD = 6,
    BT_GHOST = 7,
    BT_MONEY = 8,
    BT_ROCKETS = 9,
    BT_SCORES = 10,
    BT_REPAIR = 11,
    BT_SLOMO = 12,
    BT_TIME = 13,
    BT_COUNT
};

inline constexpr TEnumName kBonusTypeNames[] = {
    {"BT_NONE", BT_NONE},       {"BT_UZI", BT_UZI},         {"BT_MACHINEGUN", BT_MACHINEGUN},
    {"BT_SHOTGUN", BT_SHOTGUN}, {"BT_BAZOOKA", BT_BAZOOKA}, {"BT_NITRO", BT_NITRO},
    {"BT_SHIELD", BT_SHIELD},   {"BT_GHOST", BT_GHOST},     {"BT_MONEY", BT_MONEY},
    {"BT_ROCKETS", BT_ROCKETS}, {"BT_SCORES", BT_SCORES},   {"BT_REPAIR", BT_REPAIR},
    {"BT_SLOMO", BT_SLOMO},     {"BT_TIME", BT_TIME}};
static_assert(std::size(kBonusTypeNames) == BT_COUNT && IsInValueOrder(kBonusTypeNames));
