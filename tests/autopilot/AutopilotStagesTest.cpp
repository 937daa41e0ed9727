// Every stage played by the autopilot in the real executable, in a tiny window at a fixed
// step: each is won, the gunner destroys cars for score, the end of the stage opens the
// stage-complete page with the profile's stage counter advanced, and stage 1's replay stays
// under 100 KB. (That a seed repeats a run frame for frame is the replays' proof.) Each group
// of stages runs under a display of its own (see CMakeLists).
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

double Number(const TTraceLine& line, const std::string& key) {
    const auto found = line.find(key);
    return found == line.end() ? -1e9 : std::stod(found->second);
}

std::vector<std::string> Arguments(const TGameInstall& game, int stage, const std::string& trace,
                                   int frames) {
    return {"--stage=" + std::to_string(stage),
            "--autopilot",
            "--fixed-step=25",
            "--seed=1",
            "--window=160x120",
            "--audio=none",
            "--shadows=off", // the shadows change nothing a stage's result depends on, and cost a fifth
            "--frames=" + std::to_string(frames),
            "--trace=" + game.Dir() + trace};
}

class AutopilotStageTest : public ::testing::TestWithParam<int> {};

TEST_P(AutopilotStageTest, IsWonWithCarsDestroyedForScore) {
    const int stage = GetParam();
    TGameInstall game;
    SaveProfile(game, stage);

    const TGameRun run = game.Run(Arguments(game, stage, "trace.txt", 20000), 900);
    ASSERT_TRUE(run.exited);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<TTraceLine> lines = ReadTrace(game.Files().Read("trace.txt"));
    ASSERT_GT(lines.size(), 100u);
    const TTraceLine& last = lines.back();
    ASSERT_EQ(Number(last, "menu"), 1) << "the stage did not end in 20000 frames";
    EXPECT_EQ(Number(last, "page"), 15) << "stage " << stage << " lost";
    const TTraceLine& before = lines[lines.size() - 2];
    EXPECT_GT(Number(before, "health"), 0);
    EXPECT_GT(Number(before, "time"), 0);
    EXPECT_GT(Number(before, "score"), 0) << "the gunner destroyed nothing";
    TConfig after;
    ASSERT_TRUE(after.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(after.Players[0].Stage, stage + 1);

    if (stage != 1) return;
    // The stage's replay stays small.
    for (const auto& entry : std::filesystem::directory_iterator(game.Dir() + "data/kestrova/replays")) {
        if (entry.path().filename().string().rfind("run-", 0) == 0) {
            EXPECT_LT(entry.file_size(), 100u * 1024);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Stages, AutopilotStageTest, ::testing::Range(1, 16),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Stage" + std::to_string(info.param);
                         });

} // namespace
