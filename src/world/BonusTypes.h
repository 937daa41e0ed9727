// Bonus types, by the numbers the data files and the HUD use.
#pragma once

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
};
