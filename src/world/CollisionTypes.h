// What lies under a wheel: the collision type of a block's collision box. Higher values win
// where boxes overlap.
#pragma once

enum TCollisionType {
    COL_MAINROAD = 0,
    COL_GRASS = 1,
    COL_ROAD = 2,
    COL_BACK = 3,
    COL_NOCONTROL = 4,
    COL_KILL = 5,
};
