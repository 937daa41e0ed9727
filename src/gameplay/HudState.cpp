#include "gameplay/HudState.h"

#include "world/BonusTypes.h"

int ActiveBonus = BT_NONE;
