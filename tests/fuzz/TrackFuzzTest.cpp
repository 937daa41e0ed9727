// Damaged block lists and sequence files, then random driving, absurd speeds among it: the track
// loads or fails with the game's error, every update ends, the scroll stays a number and the
// window only ever names blocks that exist.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/Random.h"
#include "world/TrackFiles.h"

namespace {

class TrackFuzz : public TTrackFilesTest {
protected:
    void TearDown() override {
        DistanceTravelled = 0;
        TTrackFilesTest::TearDown();
    }
    // Drives back and forth at random, now and then at an absurd speed, and checks the window
    // after every update.
    void Drive(std::mt19937& random, TTrack& track) {
        const float absurd[] = {1e30f, -1e30f, INFINITY, NAN};
        for (int step = 0; step < 60; ++step) {
            float velocity = static_cast<float>(static_cast<int>(random() % 4001) - 1000) / 10;
            if (random() % 20 == 0) velocity = absurd[random() % 4];
            try {
                track.Update(static_cast<int>(random() % 1000), velocity);
            } catch (const EGameError&) {
                return; // no block can follow: the same error every time after
            }
            for (int slot = 0; slot < TTrack::kWindowSlots; ++slot) {
                ASSERT_GE(track.Window(slot), 0);
                ASSERT_LT(track.Window(slot), track.BlockCount());
            }
            ASSERT_GE(track.Position(), 0);
            ASSERT_TRUE(std::isfinite(track.Scroll()));
        }
    }
};

std::string RandomLine(std::mt19937& random) {
    std::string line;
    for (int i = random() % 16; i > 0; --i)
        line += "01_ab\t"[random() % 6];
    return line;
}

} // namespace

TEST_F(TrackFuzz, RandomBlockListsAndSequences) {
    std::mt19937 random(1206);
    Randomize(1206);
    int built = 0;
    int sequences = 0;
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::string> lines;
        for (int i = random() % 6; i > 0; --i)
            lines.push_back(RandomLine(random));
        for (const std::string& line : lines)
            if (!line.empty() && random() % 20) WriteBlock("Data/Maps/Set/" + line, MapText({}));
        const std::string list = Write("Data/Maps/Set/main.trk", CrLf(lines) + (random() % 8 ? "" : "x"));
        std::unique_ptr<TTrack> track;
        try {
            track = std::make_unique<TTrack>(list, nullptr, blockTextures_);
        } catch (const EGameError&) {
            continue;
        }
        ++built;
        track->SetTrackLength(static_cast<int>(random() % 2000));
        if (random() % 2) {
            // Mostly valid entries, now and then a wild one or a torn last entry.
            std::vector<int32_t> entries;
            for (int i = random() % 30; i > 0; --i)
                entries.push_back(
                    static_cast<int32_t>(random() % 50 ? random() % track->BlockCount() : random()));
            const std::string tail(random() % 10 ? 0 : 1 + random() % 3, '\x7f');
            try {
                track->LoadSequence(Write("Data/Maps/Set/seq.bin", SequenceBytes(entries) + tail));
                ++sequences;
            } catch (const EGameError&) {
            }
        }
        Drive(random, *track);
    }
    EXPECT_GT(built, 30);
    EXPECT_GT(sequences, 5);
}
