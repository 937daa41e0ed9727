// Writing a model into the tree: its SMD mesh, its animations and the ".hsa" descriptor naming them.
#pragma once

#include "Mesh.h"

#include <string>
#include <vector>

class TDataTree;

struct TAnimationFile {
    std::string file; // beside the descriptor
    int rate;         // frames per second
    std::vector<TSkeletonFrame> frames;
};

// Writes `folder`/`name`.smd, `name`_idle.smd (animation 0: the bind pose, still), the further
// `animations`, and `name`.hsa. `hitBoxes`, when not empty, is written as `name`.HB and named in
// the descriptor (the game reads hit-box files from disk only, so they are installed loose).
void WriteModel(TDataTree& tree, const std::string& folder, const std::string& name, const TMesh& mesh,
                const std::vector<TAnimationFile>& animations = {}, const std::string& hitBoxes = "");

// One hit-box line: type 1..7, node, type value and two opposite corners.
std::string HitBoxLine(int type, int node, double value, const TVec3& lo, const TVec3& hi);
