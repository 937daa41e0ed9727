// The land beyond a block's verges, drawn only (the collision maps and the scenery stay as they
// are): hills that rise on both sides up to the edge of what a map can hold, and a run-out that
// carries the block's ground on ahead, sunk below every block's surface so that only the farthest
// block's run-out shows. Wide windows and the widest field of view then end on ground.
#pragma once

#include "BlockMap.h"

#include <string>

// Where the hills start, across: beyond the farthest scenery footprint.
inline constexpr double kHillFoot = 74;
// Where the cliffs above the hills' foot start; a side road ends there in a tunnel.
inline constexpr double kCliffFoot = 84;

// Both hillsides from y0 to y1, rising from the verge at height `foot`; `footTexture` for the gentle
// foot, the set's cliff picture above it. `road` (side -1 or 1, 0 for none) leaves out the foot
// over the side road from roadY0 to roadY1, which runs on to a tunnel mouth in the cliff.
struct TSideRoad {
    double side = 0;
    double y0 = 0, y1 = 0;
};
void AddHills(TBlockMap& map, const std::string& set, double y0, double y1, double foot,
              const std::string& footTexture, double footScale, const TSideRoad& road = {});

// The run-out from the block's end (y = -40) as far ahead as a map holds: the road between
// `left` and `right` (`roadTexture`), `ground` out to the hills, and the hills with `footTexture`.
void AddRunOut(TBlockMap& map, const std::string& set, double left, double right, const std::string& roadTexture,
               const std::string& ground, const std::string& footTexture);

// The pictures of the cliffs and the tunnel mouth.
void GenerateValleyTextures(class TDataTree& tree);
