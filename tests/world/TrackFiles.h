// Block sets for track tests: a "main.trk" list naming empty blocks by their lane patterns,
// and sequence files of int32 block indices.
#pragma once

#include "world/BlockFiles.h"
#include "world/Track.h"

class TTrackFilesTest : public TBlockFilesTest {
protected:
    // Writes "Data/Maps/Set/main.trk" with `lines` (CR LF) and an empty block for each.
    std::string WriteSet(const std::vector<std::string>& lines, const std::string& blockMap = "") {
        for (const std::string& line : lines)
            if (!line.empty()) WriteBlock("Data/Maps/Set/" + line, blockMap.empty() ? MapText({}) : blockMap);
        return Write("Data/Maps/Set/main.trk", CrLf(lines));
    }
    static std::string SequenceBytes(const std::vector<int32_t>& blocks) {
        std::string bytes;
        for (int32_t block : blocks)
            for (int i = 0; i < 4; ++i)
                bytes += static_cast<char>((static_cast<uint32_t>(block) >> (8 * i)) & 0xFF);
        return bytes;
    }
    std::string WriteSequence(const std::vector<int32_t>& blocks, const std::string& name = "seq.bin") {
        return Write("Data/Maps/Set/" + name, SequenceBytes(blocks));
    }
};
