// The land beyond a block's verges, drawn only (the collision maps and the scenery stay as they
// are): hills that rise on both sides up to the edge of what a map can hold, so that the upper
// corners of wide windows at the widest field of view end on a hillside; and each set's horizon,
// the picture the game stands beyond the farthest block, where the top of such a view reaches.
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

// The pictures of the cliffs and the tunnel mouth, and each set's "horizon.png".
void GenerateValleyTextures(class TDataTree& tree);
