// Block sequences: drives as long as a stage, chained from the lanes of a block set's "main.trk",
// and the ".seq" bytes of any drive.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The little-endian int32 block indices of a drive of `length` blocks through the set whose
// block list is `mainTrk`: block 0 (the start) and block 1, then blocks whose enter lanes
// continue the exit lanes before them, and block 0 again as the finish.
std::string StageSequence(const std::string& mainTrk, int length, uint64_t seed);

// A ".seq" file: the block indices of `order` as little-endian int32.
std::string SequenceBytes(const std::vector<int32_t>& order);
