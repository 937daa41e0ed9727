// Replays in the real executable: a run recorded at varying real-time steps plays back frame for
// frame, the whole simulation state included, in another window.
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Slow motion and nitro bonuses on the cars of blocks 8 to 12; rockets to launch.
const std::string kBonusCars =
    "Weapon=-1\r\nHealth=60\r\nScore=10\r\nCount=1\r\nSections=1\r\n"
    "Section_0_Bonus=BT_SLOMO\r\nSection_0_Begin=8\r\nSection_0_End=10\r\n"
    "Section_0_Min=2\r\nSection_0_Max=2\r\nSection_1_Bonus=BT_NITRO\r\n"
    "Section_1_Begin=11\r\nSection_1_End=13\r\nSection_1_Min=2\r\nSection_1_Max=2\r\n";

// Real-time steps from 5 to 25 ms, changing every 13 frames.
std::string VaryingSteps(int frames) {
    std::string script;
    for (int frame = 1, i = 0; frame <= frames; frame += 13, ++i)
        script += std::to_string(frame) + " step=" + std::to_string(5 + (i * 7) % 21) + "\n";
    return script;
}

class ReplayTest : public ::testing::Test {
protected:
    void SetUp() override { WriteStage(game, 2, 1, 18, 100, "Rockets=5\r\n", kBonusCars); }

    TGameRun Run(std::vector<std::string> args, const std::string& trace) {
        args.insert(args.end(), {"--fixed-step=25", "--audio=none", "--trace=" + game.Dir() + trace});
        return game.Run(args, 300);
    }
    // The trace's frame lines without the window's and the scene's size, which follow the window
    // playback opens.
    std::vector<TTraceLine> Frames(const std::string& trace) const {
        std::vector<TTraceLine> lines = ReadTrace(game.Files().Read(trace));
        for (TTraceLine& line : lines) {
            line.erase("window");
            line.erase("scene");
        }
        return lines;
    }
    std::vector<std::string> Replays(const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(game.Dir() + "data/kestrova/replays"))
            if (entry.path().filename().string().rfind(prefix, 0) == 0)
                names.push_back(entry.path().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Records stage 2 with `args`, plays the run back in another window and compares the traces.
    std::vector<TTraceLine> RecordAndPlayBack(std::vector<std::string> args) {
        args.insert(args.end(), {"--stage=2", "--seed=4", "--window=160x120"});
        const TGameRun recorded = Run(args, "recorded.txt");
        EXPECT_EQ(recorded.status, 0) << recorded.errors;
        const std::vector<TTraceLine> frames = Frames("recorded.txt");
        const std::vector<std::string> runs = Replays("run-");
        EXPECT_EQ(runs.size(), 1u);
        if (runs.empty() || frames.empty()) return {};
        const TGameRun played =
            Run({"--replay=" + runs[0], "--window=240x100", "--frames=" + std::to_string(frames.size())},
                "played.txt");
        EXPECT_EQ(played.status, 0) << played.errors;
        const std::vector<TTraceLine> again = Frames("played.txt");
        EXPECT_EQ(again.size(), frames.size());
        for (size_t i = 0; i < std::min(again.size(), frames.size()); ++i)
            if (again[i] != frames[i]) {
                ADD_FAILURE() << "frame " << i + 1 << " recorded: " << ::testing::PrintToString(frames[i])
                              << "\nplayed: " << ::testing::PrintToString(again[i]);
                break;
            }
        return frames;
    }

    TGameInstall game;
};

TEST_F(ReplayTest, AutopilotRunPlaysBackExactlyAndIsTheDemo) {
    game.Files().Write("steps.txt", VaryingSteps(3000));
    const std::vector<TTraceLine> lines =
        RecordAndPlayBack({"--autopilot", "--input=" + game.Dir() + "steps.txt", "--frames=3000"});
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().at("page"), "15") << "the autopilot finished the stage";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const TTraceLine& l) {
        return l.at("divisor") == "4";
    })) << "slow motion reached";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const auto& l) {
        return l.count("bonus") && l.at("bonus") == "5";
    })) << "nitro reached";
    ASSERT_EQ(Replays("best-stage02").size(), 1u);

    // Thirty seconds idle on the main page start the demo: that best run from its start to the
    // stage's own end (which would move the profile on a stage), back to the main page, and again
    // after another thirty seconds until a key. Profiles and settings come out of it untouched.
    SaveProfile(game, 5, 1234);
    const std::string before = game.Files().Read("Config.cfg");
    const int length = static_cast<int>(lines.size()), key = 2 * 1205 + length + length / 2;
    game.Files().Write("idle.txt", "1 pointer=80,60\n" + KeyAt(key, ' '));
    ASSERT_EQ(Run({"--window=160x120", "--frames=" + std::to_string(key + 20), "--input=" + game.Dir() + "idle.txt"},
                  "demo.txt")
                  .status,
              0);
    const std::vector<TTraceLine> demo = ReadTrace(game.Files().Read("demo.txt"));
    ASSERT_EQ(demo.size(), static_cast<size_t>(key + 20));
    const auto firstFrom = [&demo](int frame, const char* menu) {
        while (frame <= static_cast<int>(demo.size()) && demo[frame - 1].at("menu") != menu)
            ++frame;
        return frame;
    };
    const int started = firstFrom(1, "0");
    ASSERT_GE(started, 1200);
    EXPECT_LE(started, 1205);
    const int ended = firstFrom(started, "1");
    ASSERT_GT(ended - started, 100);
    for (int frame = started; frame < ended; ++frame)
        ASSERT_EQ(demo[frame - 1].at("state"), lines.at(frame - started).at("state")) << "demo frame " << frame;
    EXPECT_EQ(demo[ended].at("page"), "0") << "no tally: back to the main page";
    const int again = firstFrom(ended, "0");
    EXPECT_GE(again, ended + 1200);
    EXPECT_LT(again, key);
    EXPECT_EQ(demo[key - 2].at("menu"), "0");
    EXPECT_EQ(demo[key - 1].at("menu"), "1");
    EXPECT_EQ(demo.back().at("page"), "0") << "the key that ended the demo reached the page";
    EXPECT_EQ(game.Files().Read("Config.cfg"), before);
}

TEST_F(ReplayTest, PlayerRunPlaysBackExactlyAndPlaybackWritesNothing) {
    // Once the driver has the car: steer both ways, brake, fire at the pointer and launch
    // rockets, at changing steps.
    game.Files().Write("play.txt", "1 keys=38 step=17\n330 keys=38,37,1 pointer=80,40\n380 keys=39,1 step=9\n"
                                   "430 keys=40,2 pointer=70,35\n436 keys=38\n440 keys=38,2 step=25\n"
                                   "446 keys=38,1 pointer=90,45\n560 keys=\n");
    const std::vector<TTraceLine> lines =
        RecordAndPlayBack({"--input=" + game.Dir() + "play.txt", "--frames=600"});
    ASSERT_EQ(lines.size(), 600u);
    EXPECT_EQ(lines.back().at("destroyed"), "1") << "the gunner hit a car";

    // Playback changes no settings file and records nothing; a replay of other game data is
    // refused with a message.
    game.Files().Write("keys.cfg", "KP_FORWARD=38\nKP_FORWARD=87\n");
    const std::string config = game.Files().Read("Config.cfg"), keys = game.Files().Read("keys.cfg");
    const std::string run = Replays("run-")[0];
    ASSERT_EQ(Run({"--replay=" + run, "--window=160x120", "--frames=40"}, "again.txt").status, 0);
    EXPECT_EQ(game.Files().Read("Config.cfg"), config);
    EXPECT_EQ(game.Files().Read("keys.cfg"), keys);
    EXPECT_EQ(Replays("").size(), 1u);

    // (Damaged files are ReplayFile's.)
    WriteStage(game, 2, 1, 19);
    const TGameRun refused = Run({"--replay=" + run, "--window=160x120", "--frames=5"}, "r.txt");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("recorded with other game data: stage 2's mission digest"), std::string::npos)
        << refused.errors;
}

TEST_F(ReplayTest, AStageAfterAnotherPlaysBackFromWhereThatOneLeftTheCar) {
    // A game from the menu: stage 2 starts with the car still rolling as stage 1 left it.
    WriteStage(game, 1, 1, 10);
    // The pilot needs the menus at this size to click through them.
    ASSERT_EQ(Run({"--autopilot", "--seed=5", "--window=320x240", "--frames=650"}, "menu.txt").status, 0);
    const std::vector<std::string> runs = Replays("run-");
    const auto stage2 = std::find_if(runs.begin(), runs.end(), [](const std::string& run) {
        return run.find("stage02") != std::string::npos;
    });
    ASSERT_NE(stage2, runs.end());
    const auto states = [&](const std::string& trace, size_t stretch) {
        std::vector<std::vector<std::string>> stretches(1);
        for (const TTraceLine& line : ReadTrace(game.Files().Read(trace))) {
            if (line.count("state") && line.at("menu") == "0") {
                stretches.back().push_back(line.at("state"));
            } else if (!stretches.back().empty()) {
                stretches.emplace_back();
            }
        }
        return stretches.size() > stretch ? stretches[stretch] : std::vector<std::string>();
    };
    std::vector<std::string> recorded = states("menu.txt", 1);
    ASSERT_GT(recorded.size(), 100u);
    recorded.erase(recorded.begin()); // the load page's frame, which loaded the stage
    const TGameRun replay =
        Run({"--replay=" + *stage2, "--window=240x100", "--frames=" + std::to_string(recorded.size() + 40)},
            "played.txt");
    ASSERT_EQ(replay.status, 0) << replay.errors;
    const std::vector<std::string> played = states("played.txt", 0);
    ASSERT_EQ(played.size(), recorded.size());
    for (size_t i = 0; i < played.size(); ++i)
        ASSERT_EQ(played[i], recorded[i]) << "stage 2 frame " << i;
}

TEST_F(ReplayTest, AnUpdateErrorNamesTheRunSoFarAndNoFolderCostsOnlyTheReplay) {
    // A random track of one block that no block can follow: the track's update fails a block in.
    game.Files().Write("Data/Maps/broken/main.trk", "000000_011110_00\r\n");
    for (const char* map : {"000000_011110_00.map", "000000_011110_00_col.map"})
        game.Files().Write(std::string("Data/Maps/broken/") + map, "{\n\"classname\" \"worldspawn\"\n}\n");
    game.Files().Write(
        "Data/Maps/Track3.cfg",
        "[Mission]\r\nBlocks=broken\r\n[main]\r\nTrackLength=2000\r\n[Player]\r\nMinSpeed=30\r\n"
        "[Traffic]\r\nCarTypesCount=1\r\n[CarType_0]\r\nSection_0_Begin=40\r\n");
    const TGameRun run = Run({"--stage=3", "--window=160x120", "--frames=150", "-LOG"}, "t.txt");
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<std::string> runs = Replays("run-");
    ASSERT_EQ(runs.size(), 1u);
    const std::string named = "Replay of this run: " + runs[0];
    EXPECT_NE(run.errors.find("No track block can follow"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(named), std::string::npos) << run.errors;
    EXPECT_NE(game.Files().Read("log.txt").find(named), std::string::npos);

    fs::remove_all(game.Dir() + "data");
    game.Files().Write("data", "");
    const TGameRun without = Run({"--stage=2", "--window=160x120", "--frames=20"}, "t.txt");
    EXPECT_EQ(without.status, 0);
    EXPECT_NE(without.errors.find("No folder for replays"), std::string::npos) << without.errors;
}

} // namespace
