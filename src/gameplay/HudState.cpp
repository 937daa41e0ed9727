// The HUD values shared with the frame loop and the renderer.
#include "gameplay/HudState.h"

#include "world/BonusTypes.h"

int ActiveBonus = BT_NONE;
