// The generated block sets load through the game's track loader without a message, drive through
// at random and along their sequences, and their collision maps put each surface where it shows.
#include "core/Random.h"
#include "resources/TextureSource.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "world/BlockTextures.h"
#include "world/CarGeneric.h"
#include "world/CollisionTypes.h"
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

// Textures and models must come from the archive; nothing is uploaded.
class TArchiveTextures : public TTextureSource, public TBlockTextures {
public:
    int Load(const std::string& path) override {
        EXPECT_GE(Extractor->FindMember(path), 0) << path << " is not in the archive";
        return 1;
    }
    int Width(int) const override { return 256; }
    int Height(int) const override { return 256; }
    void Bind(int) override {}
    void Bind(int) const override {}
};

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

class TCarList : public TTrafficCars {
public:
    int CarCount() const override { return static_cast<int>(cars.size()); }
    int CarLane(int index) const override { return cars[index].Lane; }
    float CarY(int index) const override { return cars[index].Position.y; }
    int MaxCount() const override { return 100; }
    void AddCar(const TSpawnedCar& car) override { cars.push_back(car); }
    std::vector<TSpawnedCar> cars;
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
    static int TypeAt(const TTrack& track, int block, float x, float y) {
        return track.Block(block).map->CollisionType({x, y, 0.4f, 0}, COL_MAINROAD);
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

// Block 0 starts the player at x = -10 on the road's edge; lane 3 is at x = -2.5.
TEST_F(GeneratedTracks, SurfacesLieWhereTheBlocksShowThem) {
    const std::unique_ptr<TTrack> grass = Load("grass");
    EXPECT_EQ(TypeAt(*grass, 0, -10, -20), COL_MAINROAD);
    EXPECT_EQ(TypeAt(*grass, 0, -2.5f, -5), COL_MAINROAD);
    EXPECT_EQ(TypeAt(*grass, 1, 30, -20), COL_GRASS);
    EXPECT_EQ(TypeAt(*grass, 3, -40, -20), COL_ROAD); // the side road of the junction
    EXPECT_EQ(TypeAt(*grass, 4, -13, -20), COL_BACK); // a dusty shoulder
    const std::unique_ptr<TTrack> winter = Load("winter");
    EXPECT_EQ(TypeAt(*winter, 12, 0, -20), COL_NOCONTROL); // the ice patch
    EXPECT_EQ(TypeAt(*winter, 12, 0, -5), COL_MAINROAD);
    EXPECT_EQ(TypeAt(*winter, 13, -20, -20), COL_KILL); // off the bridge
    EXPECT_EQ(TypeAt(*winter, 13, 5, -20), COL_MAINROAD);
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
            TCarList traffic;
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
