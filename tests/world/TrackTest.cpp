// The track window: block lists, sequences, scrolling, random lanes and the ends of a stage
// (absurd speeds: the track fuzzing).
#include "world/Track.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Random.h"
#include "world/TrackFiles.h"

namespace {

using Window = std::array<int, TTrack::kWindowSlots>;

class TrackTest : public TTrackFilesTest {
protected:
    void SetUp() override {
        TTrackFilesTest::SetUp();
        Randomize(11);
        DistanceTravelled = 0;
    }
    void TearDown() override {
        DistanceTravelled = 0;
        TTrackFilesTest::TearDown();
    }
    // Moves the car `units` forward in one update.
    static void Drive(TTrack& track, float units) { track.Update(1000, units); }
    static Window WindowOf(const TTrack& track) {
        Window window{};
        for (int slot = 0; slot < TTrack::kWindowSlots; ++slot)
            window[slot] = track.Window(slot);
        return window;
    }
    // Slots 2 .. 10 show sequence entries position .. position + 8.
    static void ExpectSequenceWindow(const TTrack& track) {
        for (int slot = 2; slot < TTrack::kWindowSlots; ++slot)
            EXPECT_EQ(track.Window(slot), track.Sequence()[track.Position() + slot - 2]) << "slot " << slot;
    }

    const std::vector<std::string> kFour = {"111111_111111", "111111_111111a", "111111_111111b",
                                            "111111_111111c"};
};

} // namespace

TEST_F(TrackTest, BlockListGivesBlocksAndLanesAndTheStartingWindow) {
    int redraws = 0;
    TTrack track(
        WriteSet({"100001_010010", "0101", "111111x000111_extra", ""}), [&] { ++redraws; }, blockTextures_);
    ASSERT_EQ(track.BlockCount(), 3);
    EXPECT_EQ(redraws, 4);
    EXPECT_EQ(track.Block(0).map->Name(), Path("Data/Maps/Set/100001_010010"));
    EXPECT_EQ(track.Block(0).exitLanes, (std::array<bool, 6>{0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(track.Block(1).exitLanes, (std::array<bool, 6>{}));
    EXPECT_TRUE(track.RandomMode());
    // Block 3 does not exist in a library of three: block 0 stands in.
    EXPECT_EQ(WindowOf(track), (Window{0, 0, 0, 1, 2, 0, 1, 1, 1, 1, 0}));

    EXPECT_EQ(ErrorOf([&] { TTrack(WriteSet({}), {}, blockTextures_); }),
              "Empty track block list: " + Path("Data/Maps/Set/main.trk"));
    Write("Data/Maps/Set/main.trk", CrLf({"nothing"}));
    EXPECT_EQ(ErrorOf([&] { TTrack(Path("Data/Maps/Set/main.trk"), {}, blockTextures_); }),
              "File not found " + Path("Data/Maps/Set/nothing.map"));
}

TEST_F(TrackTest, SequencesFillTheWindowAndSetTheLengthOrAreRejectedWhole) {
    TTrack track(WriteSet(kFour), {}, blockTextures_);
    track.LoadSequence(WriteSequence({3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 3}));
    EXPECT_FALSE(track.RandomMode());
    EXPECT_EQ(track.TrackLength(), 440);
    const Window loaded{3, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1};
    EXPECT_EQ(WindowOf(track), loaded);

    const std::string shortFile = WriteSequence({0, 1, 2, 3, 0, 1, 2, 3});
    EXPECT_EQ(ErrorOf([&] { track.LoadSequence(shortFile); }),
              "Track sequence too short: " + shortFile + " has 8 blocks, at least 9 are needed");
    const std::string outside = WriteSequence({0, 1, 2, 3, 4, 1, 2, 3, 0});
    EXPECT_EQ(ErrorOf([&] { track.LoadSequence(outside); }),
              "Track sequence entry out of range: " + outside + " entry 4 is block 4 of 4");
    // Nine entries and three bytes of a tenth.
    EXPECT_EQ(ErrorOf([&] { track.LoadSequence(Write("odd.bin", std::string(39, '\0'))); }),
              "Riched End Of File");
    // A rejected file leaves the track as it was.
    EXPECT_FALSE(track.RandomMode());
    EXPECT_EQ(WindowOf(track), loaded);
    // No entries at all: the default sequence.
    track.LoadSequence(WriteSequence({}));
    EXPECT_EQ(track.Sequence(), (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(track.TrackLength(), 400);
    // The default sequence needs block 1.
    TTrack single(WriteSet({"111111_111111"}), {}, blockTextures_);
    EXPECT_NE(ErrorOf([&] { single.LoadSequence(WriteSequence({})); }).find("is block 1 of 1"),
              std::string::npos);
}

TEST_F(TrackTest, ExactlyOneBlockLengthDoesNotShiftMoreShiftsOncePerBlockAndBlockZeroEndsTheSequence) {
    TTrack track(WriteSet(kFour), {}, blockTextures_);
    track.LoadSequence(WriteSequence({0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3}));
    int passed = 0;
    track.SetBlockPassed([&] { ++passed; });
    Drive(track, 40);
    EXPECT_FLOAT_EQ(track.Scroll(), 40);
    EXPECT_EQ(track.Position(), 0);
    EXPECT_EQ(passed, 0);
    Drive(track, 0.5f);
    EXPECT_FLOAT_EQ(track.Scroll(), 0.5f);
    EXPECT_EQ(track.Position(), 1);
    EXPECT_EQ(passed, 1);
    EXPECT_FLOAT_EQ(DistanceTravelled, 40.5f);
    EXPECT_FLOAT_EQ(Progress, 40.5f / 480);
    // 100 units in one step shift twice and leave 20.5.
    Drive(track, 100);
    EXPECT_FLOAT_EQ(track.Scroll(), 20.5f);
    EXPECT_EQ(passed, 3);
    ExpectSequenceWindow(track);
    EXPECT_EQ(track.Window(1), 2); // sequence entries 1, 2 behind the car

    // Past the end of the sequence block 0 follows: 660.5 units in all.
    for (int step = 0; step < 40; ++step) {
        Drive(track, 13);
        ExpectSequenceWindow(track);
    }
    EXPECT_EQ(track.Position(), 16);
    for (int slot = 3; slot < TTrack::kWindowSlots; ++slot)
        EXPECT_EQ(track.Window(slot), 0);
    EXPECT_EQ(track.Sequence().size(), 16u + 9u);
}

TEST_F(TrackTest, RandomBlocksEnterByTheLanesThePreviousBlockLeavesBy) {
    TTrack track(
        WriteSet({"100000_010000", "010000_100000", "010000_001000", "001000_100000", "000001_000001"}), {},
        blockTextures_);
    track.SetTrackLength(100000);
    int passed = 0;
    track.SetBlockPassed([&] { ++passed; });
    std::set<int> seen;
    for (int step = 0; step < 200; ++step) {
        Drive(track, 40.5f);
        const TBlockEntry& before = track.Block(track.Window(9));
        const TBlockEntry& next = track.Block(track.Window(10));
        if (step > 0) {
            EXPECT_EQ(next.enterLanes, before.exitLanes) << "step " << step;
        }
        seen.insert(track.Window(10));
    }
    EXPECT_EQ(passed, track.Position());
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3})); // block 4 never fits
}

TEST_F(TrackTest, RandomModeEndsWithBlockOneAfterTheTrackLength) {
    TTrack track(WriteSet(kFour), {}, blockTextures_);
    track.SetTrackLength(400);
    std::vector<int> next;
    for (int step = 0; step < 20; ++step) {
        Drive(track, 40.5f);
        next.push_back(track.Window(10));
    }
    // Until 360 units (step 8) blocks are drawn at random; after that every one is block 1.
    EXPECT_NE(std::vector<int>(next.begin(), next.begin() + 8), std::vector<int>(8, 1));
    EXPECT_EQ(std::vector<int>(next.begin() + 9, next.end()), std::vector<int>(11, 1));
    EXPECT_FLOAT_EQ(Progress, 20 * 40.5f / 400);
}

TEST_F(TrackTest, NoFittingBlockIsAClearErrorAndChangesNothing) {
    TTrack track(WriteSet({"100000_010000", "010000_001000", "001000_000100", "000100_000010"}), {},
                 blockTextures_);
    track.SetTrackLength(100000);
    // Slot 10 holds block 0, which leaves by lane 2: block 1 follows, then 2, then 3, then nothing.
    Drive(track, 120.5f);
    EXPECT_EQ(track.Window(10), 3);
    const Window before = WindowOf(track);
    EXPECT_EQ(ErrorOf([&] { Drive(track, 40); }), "No track block can follow " +
                                                      Path("Data/Maps/Set/000100_000010") +
                                                      ": none enters by lanes 000010");
    EXPECT_EQ(WindowOf(track), before);
    EXPECT_EQ(track.Position(), 3);
}
