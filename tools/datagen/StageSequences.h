// Block sequences as long as a stage, chained from the lanes of a block set's "main.trk".
#pragma once

#include <cstdint>
#include <string>

// The little-endian int32 block indices of a drive of `length` blocks through the set whose
// block list is `mainTrk`: block 0 (the start) and block 1, then blocks whose enter lanes
// continue the exit lanes before them, and block 0 again as the finish.
std::string StageSequence(const std::string& mainTrk, int length, uint64_t seed);
