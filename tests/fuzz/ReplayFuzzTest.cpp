// Damaged, truncated and random replay files: reading either gives a replay whose frames the
// game can take or raises EGameError; never a crash, a read past the data or an absurd
// allocation.
#include "app/ReplayFile.h"
#include "fuzz/Damage.h"
#include "platform/Compression.h"
#include "support/ErrorOf.h"

#include <gtest/gtest.h>
#include <random>

namespace {

void Read(const std::string& bytes) {
    try {
        const TReplay replay = ReadReplay(bytes, "fuzz");
        ASSERT_LE(replay.frames.size(), kMaxReplayFrames);
        for (const TReplayFrame& frame : replay.frames) {
            ASSERT_LE(frame.step, 25);
            ASSERT_GE(frame.divisor, 1);
            ASSERT_LE(frame.divisor, 4);
        }
    } catch (const EGameError&) {
    }
}

} // namespace

TEST(ReplayFuzz, SurvivesDamageTruncationAndRandomFrames) {
    TReplay replay;
    for (int i = 0; i < 300; ++i)
        replay.frames.push_back({static_cast<uint8_t>(i % 26),
                                 3,
                                 static_cast<uint8_t>(1 + i % 4),
                                 static_cast<uint16_t>(i),
                                 {i * 0.5f, 1, 2},
                                 {}});
    FuzzReader(WriteReplay(replay), 2000, Read);
    const std::string empty = WriteReplay(TReplay());
    const std::string head = empty.substr(0, empty.size() - platform::Deflate("").size() - 4);
    // Random frame data packed whole, under a header that promises any number of frames.
    std::mt19937 random(26);
    for (int round = 0; round < 2000; ++round) {
        std::string frames(random() % 3000, '\0');
        for (char& c : frames)
            c = static_cast<char>(random());
        std::string forged = head;
        for (int i = 0; i < 4; ++i)
            forged += static_cast<char>(random() % 2 ? 0 : random());
        TFuzzInput input("forged frames " + std::to_string(round));
        Read(forged + platform::Deflate(frames));
    }
}
