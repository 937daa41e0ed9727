// Block sequences as long as a stage, chained from the lanes of a block set's "main.trk".
#include "StageSequences.h"

#include "Random.h"

#include <map>
#include <stdexcept>
#include <vector>

namespace {

struct TBlockLanes {
    std::string enter, exit; // the six "1"/other flags of lanes 1 .. 6
};

// Lines as the track reads them: characters 1 .. 6 the enter lanes, 8 .. 13 the exit lanes.
std::vector<TBlockLanes> ReadBlockList(const std::string& text) {
    std::vector<TBlockLanes> blocks;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        if (line.size() < 13) throw std::runtime_error("block list line too short: " + line);
        blocks.push_back({line.substr(0, 6), line.substr(7, 6)});
        start = end + 2;
    }
    if (blocks.size() < 2) throw std::runtime_error("a block list needs a start and a plain block");
    return blocks;
}

// For every lane pattern, the fewest blocks (not block 0) that lead from it to `goal`.
std::map<std::string, int> StepsTo(const std::string& goal, const std::vector<TBlockLanes>& blocks) {
    std::map<std::string, int> steps = {{goal, 0}};
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t i = 1; i < blocks.size(); ++i) {
            const auto next = steps.find(blocks[i].exit);
            if (next == steps.end()) continue;
            const auto here = steps.find(blocks[i].enter);
            if (here == steps.end() || here->second > next->second + 1) {
                steps[blocks[i].enter] = next->second + 1;
                changed = true;
            }
        }
    }
    return steps;
}

} // namespace

std::string StageSequence(const std::string& mainTrk, int length, uint64_t seed) {
    const std::vector<TBlockLanes> blocks = ReadBlockList(mainTrk);
    // The start block is the finish too; it runs straight, so it is entered by the lanes it leaves by.
    const std::map<std::string, int> steps = StepsTo(blocks[0].exit, blocks);
    TRandom random(seed);
    std::vector<int32_t> order = {0, 1};
    while (static_cast<int>(order.size()) < length - 1) {
        // Only blocks from which the finish lanes are still reachable in the blocks left.
        const int left = length - 1 - static_cast<int>(order.size()) - 1;
        std::vector<int> next;
        for (size_t i = 1; i < blocks.size(); ++i) {
            const auto toFinish = steps.find(blocks[i].exit);
            if (blocks[i].enter == blocks[order.back()].exit && toFinish != steps.end() &&
                toFinish->second <= left)
                next.push_back(static_cast<int>(i));
        }
        if (next.empty())
            throw std::runtime_error("no block continues the lanes " + blocks[order.back()].exit);
        order.push_back(next[random.Below(static_cast<int>(next.size()))]);
    }
    order.push_back(0);
    return SequenceBytes(order);
}

std::string SequenceBytes(const std::vector<int32_t>& order) {
    std::string bytes;
    for (int32_t index : order)
        for (int k = 0; k < 4; ++k)
            bytes += static_cast<char>((index >> (8 * k)) & 0xFF);
    return bytes;
}
