// The fifteen generated missions and their block sets, read from Data.dpg by the game's own
// loaders with the real car models: they load, every file they name is there, the blocks'
// lanes chain, and the stages can be finished.
#include "data/ArchiveTextures.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "support/TestFiles.h"
#include "world/CarTypes.h"
#include "world/EnumNames.h"
#include "world/GlobalTables.h"
#include "world/MissionLoader.h"
#include "world/MissionValues.h"
#include "world/Track.h"
#include "world/WeatherControl.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kStages = 15;
constexpr float kBlockLength = 40;

// Real models from the archive; sounds are only named. Every file named must be an archive
// member (textures: TArchiveTextures).
class TArchiveAssets : public TWorldAssets {
public:
    explicit TArchiveAssets(TTextureSource& textures) : models(textures) {}
    THSAModel* LoadModel(const std::string& path) override {
        Named(path);
        return models.Load(path, false);
    }
    int FindNode(THSAModel* model, const std::string& name) override { return model->FindNode(name); }
    int LoadSound(const std::string& path, bool looping) override {
        Named(path);
        if (looping) lastMusic = path;
        return ++sounds;
    }
    void Named(const std::string& path) {
        if (Extractor->FindMember(path) < 0) missing.push_back(path.substr(ProgramDir.size()));
    }
    std::vector<std::string> missing; // without the program directory
    int sounds = 0;
    std::string lastMusic;
    TModelLib models; // also the blocks' scenery, as the game's ModelLib
};

struct TLoadedStage {
    std::string error;
    std::string trackList;
    std::string sequence;
    int sequenceLength = 0;
    int trackLength = -1; // random mode only
    TMissionValues values;
    std::vector<TSection> sections;
    TSpecMission special;
    std::string music;
};

struct TLoadedGame {
    std::string error; // of the global tables
    std::vector<TLoadedStage> stages;
    std::vector<std::string> missing; // data files named that are not in the archive
    std::vector<std::string> blockSetFaults;
    std::vector<std::string> messages; // message boxes; questions are answered No
};

// Loads Global.cfg and Track1 .. Track15 once, as the game does, into plain records.
class TGameLoad {
public:
    TGameLoad() {
        {
            // Files the game reads from disk only (hit boxes) are installed beside the archive.
            if (std::filesystem::is_directory(GeneratedDataDir() + "Data"))
                std::filesystem::create_directory_symlink(GeneratedDataDir() + "Data",
                                                          program_.Path() + "Data");
            TGeneratedGame generated(program_.Path());
            TDialogCatcher dialogs([this](const std::string&, const std::string& text) {
                game_.messages.push_back(text);
            });
            ModelLib = &assets_.models;
            Load();
            game_.missing = assets_.missing;
        }
        Weapons.clear();
        CarTypes.clear();
        Sections.clear();
        DistanceTravelled = 0;
    }

    const TLoadedGame& Game() const { return game_; }

private:
    void Load() {
        try {
            LoadGlobalTables(assets_);
        } catch (const std::exception& e) {
            game_.error = e.what();
            return;
        }
        for (int n = 1; n <= kStages; ++n)
            game_.stages.push_back(LoadStage(n));
    }

    TLoadedStage LoadStage(int n) {
        TLoadedStage stage;
        TWeather weather(nullptr, nullptr);
        TMissionStage hooks(assets_);
        hooks.Weather = &weather;
        // The game's track loader, one track per block set.
        std::unique_ptr<TTrack>* track = nullptr;
        hooks.CreateTrack = [&](const std::string& file) {
            assets_.Named(file);
            stage.trackList = file;
            track = &tracks_[file];
            if (!*track) {
                *track = std::make_unique<TTrack>(
                    file, [] {}, textures_);
                const std::string fault = BlockSetFault(**track);
                if (!fault.empty()) game_.blockSetFaults.push_back(file + ": " + fault);
            }
        };
        hooks.LoadSequence = [&](const std::string& file) {
            assets_.Named(file);
            stage.sequence = file;
            (*track)->LoadSequence(file);
            stage.sequenceLength = static_cast<int>((*track)->Sequence().size());
        };
        hooks.SetTrackLength = [&](int length) { stage.trackLength = length; };
        assets_.lastMusic.clear();
        try {
            LoadMission(ProgramDir + "Data\\Maps\\Track" + std::to_string(n) + ".cfg", hooks);
        } catch (const std::exception& e) {
            stage.error = e.what();
            return stage;
        }
        stage.values = MissionValues;
        stage.sections = Sections;
        stage.special = SpecMission;
        stage.music = assets_.lastMusic;
        return stage;
    }

    // Each lane a block lets out has its exit point and only those lanes spawn traffic; a long
    // random drive finds a block to enter by every lane one leaves by.
    static std::string BlockSetFault(TTrack& track) {
        for (int b = 0; b < track.BlockCount(); ++b) {
            const TBlockEntry& block = track.Block(b);
            for (int lane = 1; lane <= kLaneCount; ++lane)
                if (block.map->ExitPoint(lane).defined != block.exitLanes[lane - 1])
                    return "block " + std::to_string(b) + ": exit point of lane " + std::to_string(lane);
            for (const TSpawnPoint& point : block.map->SpawnPoints())
                if (!block.exitLanes[point.exitId - 1]) return "block " + std::to_string(b) + ": spawn point";
        }
        track.SetTrackLength(1000000);
        try {
            track.Update(1000, 40 * 200);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }

    TTempDir program_;
    TArchiveTextures textures_;
    TArchiveAssets assets_{textures_};
    std::map<std::string, std::unique_ptr<TTrack>> tracks_;
    TLoadedGame game_;
};

class MissionData : public testing::Test {
protected:
    static void TearDownTestSuite() { load_.reset(); }
    void SetUp() override {
        if (!HaveGeneratedData())
            GTEST_SKIP() << "no " << KESTROVA_DATA_ARCHIVE << " (configure with KESTROVA_DATA=ON)";
        if (!load_) load_ = std::make_unique<TGameLoad>();
        ASSERT_EQ(Game().error, "");
        ASSERT_EQ(Game().stages.size(), static_cast<size_t>(kStages));
    }
    static const TLoadedGame& Game() { return load_->Game(); }

    static std::unique_ptr<TGameLoad> load_;
};
std::unique_ptr<TGameLoad> MissionData::load_;

// The last block a section's fixed cars can be placed on: the generator spreads car i over
// begin + round(Random(round(2 step)) + i step), step = (end - begin) / min.
int LatestFixedBlock(const TSection& s) {
    const double step = double(s.End - s.Begin) / s.Min;
    return s.Begin + static_cast<int>(std::nearbyint(std::nearbyint(2 * step) - 1 + (s.Min - 1) * step));
}

TEST_F(MissionData, EveryMissionLoadsAndEveryFileItNamesIsInTheArchive) {
    const TLoadedGame& game = Game();
    for (int n = 1; n <= kStages; ++n)
        EXPECT_EQ(game.stages[n - 1].error, "") << "Track" << n << ".cfg";
    EXPECT_EQ(game.messages, std::vector<std::string>{});
    EXPECT_EQ(game.missing, std::vector<std::string>{});
    EXPECT_EQ(game.blockSetFaults, std::vector<std::string>{});
    std::set<std::string> sets, music;
    for (const TLoadedStage& stage : game.stages) {
        sets.insert(stage.trackList);
        EXPECT_FALSE(stage.music.empty());
        music.insert(stage.music);
    }
    EXPECT_EQ(sets.size(), 4u) << "every block set is driven";
    EXPECT_EQ(music.size(), 5u) << "every stage track is played";
}

// Every sequence, and the random blocks, outlast the finish; special targets can be caught.
TEST_F(MissionData, StagesReachTheirFinishAndSpecialTargetsCanBeCaught) {
    int sequenced = 0;
    std::set<int> kinds;
    for (int n = 1; n <= kStages; ++n) {
        const TLoadedStage& stage = Game().stages[n - 1];
        SCOPED_TRACE("Track" + std::to_string(n));
        if (stage.sequence.empty()) {
            // Random blocks run out only after the finish.
            EXPECT_GE(stage.trackLength, (stage.values.Finish - 1) * kBlockLength);
        } else {
            ++sequenced;
            // The progress bar is full at the finish, not before.
            EXPECT_GE(stage.sequenceLength, stage.values.Finish);
        }
        int special = 0;
        for (const TSection& s : stage.sections) {
            if (s.CarType.SpecialKind == SM_NONE) continue;
            ++special;
            kinds.insert(s.CarType.SpecialKind);
            if (s.CarType.SpecialKind != SM_NEUTRAL) continue;
            // Every target is placed (none left to chance) while there is road left to catch it.
            EXPECT_EQ(s.Min, s.Max);
            EXPECT_LE(LatestFixedBlock(s), stage.values.Finish - 20);
        }
        EXPECT_EQ(stage.special.Enabled, special > 0);
        EXPECT_EQ(stage.special.Enabled, !stage.special.Text.empty());
        // One line in the stage-complete window.
        EXPECT_LE(stage.special.Text.size(), 40u);
    }
    EXPECT_GT(sequenced, 0);
    EXPECT_LT(sequenced, kStages);
    EXPECT_EQ(kinds, (std::set<int>{SM_FRIEND, SM_NEUTRAL}));
}

} // namespace
