// What lies under a wheel: the collision type of a block's collision box. Higher values win
// where boxes overlap.
#pragma once

#include <string>

enum TCollisionType {
    COL_MAINROAD = 0,
    COL_GRASS = 1,
    COL_ROAD = 2,
    COL_BACK = 3,
    COL_NOCONTROL = 4,
    COL_KILL = 5,
};

// The type named by `upperName` ("COL_KILL"); -1 for an unknown name.
int CollisionTypeByName(const std::string& upperName);
