// HUD values read outside the HUD: the timed bonus now running drives slow motion and motion blur.
#pragma once

extern int ActiveBonus; // a TBonusType
