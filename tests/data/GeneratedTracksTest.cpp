// The generated block sets load through the game's track loader without a message, drive through
// at random and along their sequences, and their exit and spawn points match their lanes.
#include "core/Random.h"
#include "data/ArchiveTextures.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "world/BlockTextures.h"
#include "world/CarGeneric.h"
#include "world/FakeRoad.h"
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

// One loaded block in every window slot, as the car generator sees it.
class TBlockInEverySlot : public TSpawnTrack {
public:
    explicit TBlockInEverySlot(const TMapController& map) : map_(map) {}
    bool ExitDefined(int, int lane) const override { return map_.ExitPoint(lane).defined; }
    int SpawnPointCount(int) const override { return static_cast<int>(map_.SpawnPoints().size()); }
    int SpawnPointExit(int, int index) const override { return map_.SpawnPoints()[index].exitId; }
    TVector4 SpawnPointPosition(int, int index) const override { return map_.SpawnPoints()[index].position; }
    float Scroll() const override { return 0; }

private:
    const TMapController& map_;
};

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

TEST_F(GeneratedTracks, NewTrafficCarsStartOnTheirOwnLane) {
    Randomize(77);
    Sections.assign(1, TSection());
    int onOwnLane = 0;
    for (const char* set : {"grass", "city"}) {
        const std::unique_ptr<TTrack> track = Load(set);
        for (int b = 0; b < track->BlockCount(); ++b) {
            const TMapController& map = *track->Block(b).map;
            if (map.SpawnPoints().empty()) continue;
            TBlockInEverySlot block(map);
            TFakeTraffic traffic;
            TCarGeneric generator(traffic);
            generator.SetTrack(&block);
            for (int i = 0; i < 30; ++i) {
                traffic.cars.clear();
                ASSERT_TRUE(generator.Spawn(0));
                const TSpawnedCar& car = traffic.cars[0];
                // A lane that ends in this block has no points: the block's first point's x.
                float expected = map.SpawnPoints()[0].position.x;
                for (const TSpawnPoint& point : map.SpawnPoints()) {
                    if (point.exitId == car.Lane) {
                        expected = point.position.x;
                        ++onOwnLane;
                    }
                }
                EXPECT_FLOAT_EQ(car.Position.x, expected) << set << " block " << b << " lane " << car.Lane;
            }
        }
    }
    EXPECT_GT(onOwnLane, 0);
    Sections.clear();
}

} // namespace
