// The explosion of a destroyed car or of the player: a glow and an animated fireball that
// travel with the road.
#pragma once

#include "gameplay/GameContext.h"

void SpawnExplosion(const TGameContext& game, const TVector4& position);
