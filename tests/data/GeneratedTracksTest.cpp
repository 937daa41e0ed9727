// The generated block sets load through the game's track loader without a message, drive through
// at random and along their sequences, and their exit and spawn points match their lanes.
#include "data/ArchiveTextures.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "world/BlockTextures.h"
#include "world/Track.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string>& Messages() {
    static std::vector<std::string> messages;
    return messages;
}
void RecordMessage(const std::string&, const std::string& text) {
    Messages().push_back(text);
}
bool RecordQuestion(const std::string&, const std::string& text) {
    Messages().push_back(text);
    return false;
}

class GeneratedTracks : public testing::Test {
protected:
    void SetUp() override {
        if (!HaveGeneratedData())
            GTEST_SKIP() << "no " << KESTROVA_DATA_ARCHIVE << " (configure with KESTROVA_DATA=ON)";
        // The archive's folder is the program directory: the loose ".col" files lie there.
        game_ = std::make_unique<TGeneratedGame>(GeneratedDataDir());
        ModelLib = &models_;
        dialogs_.emplace(&RecordMessage, &RecordQuestion);
        Messages().clear();
        DistanceTravelled = 0;
    }
    void TearDown() override { DistanceTravelled = 0; }
    std::unique_ptr<TTrack> Load(const std::string& set) {
        return std::make_unique<TTrack>(
            ProgramDir + "Data\\Maps\\" + set + "\\main.trk", [] {}, textures_);
    }

    TArchiveTextures textures_;
    TModelLib models_{textures_};
    std::unique_ptr<TGeneratedGame> game_;
    std::optional<TDialogCatcher> dialogs_;
};

TEST_F(GeneratedTracks, EverySetLoadsAndDrivesWithoutAMessage) {
    for (const char* set : {"grass", "city", "desert", "winter"}) {
        SCOPED_TRACE(set);
        std::unique_ptr<TTrack> track;
        ASSERT_NO_THROW(track = Load(set));
        EXPECT_GE(track->BlockCount(), 10);
        // Each lane the block list lets out has its exit point, and traffic spawns only there.
        for (int b = 0; b < track->BlockCount(); ++b) {
            const TBlockEntry& block = track->Block(b);
            for (int lane = 1; lane <= kLaneCount; ++lane)
                EXPECT_EQ(block.map->ExitPoint(lane).defined, block.exitLanes[lane - 1]) << b << " " << lane;
            for (const TSpawnPoint& point : block.map->SpawnPoints())
                EXPECT_TRUE(block.exitLanes[point.exitId - 1]) << b;
        }
        // A long random drive: every block's exit lanes must be entered by some block.
        track->SetTrackLength(1000000);
        EXPECT_NO_THROW(track->Update(1000, 40 * 200));
        for (const char* sequence : {"short.seq", "long.seq"}) {
            EXPECT_NO_THROW(track->LoadSequence(ProgramDir + "Data\\Maps\\" + set + "\\" + sequence));
            EXPECT_FALSE(track->RandomMode());
        }
    }
    EXPECT_TRUE(Messages().empty()) << Messages().front();
}

} // namespace
