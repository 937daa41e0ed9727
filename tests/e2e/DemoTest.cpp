// The main page's demo in the real executable: thirty seconds without input start a stage
// played by the autopilot, a key press returns to the main page, and the profile, high
// scores and settings come out of it untouched.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Demo, IdleMainPagePlaysAStageUntilAKeyAndNothingIsSaved) {
    TGameInstall game;
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Name = "ACE";
    config.Players[0].Stage = 3;
    config.Players[0].Score = 1234;
    config.Players[0].Rockets = 2;
    config.HighScores[0] = {"ACE", "5000"};
    config.MusicVolume = 77;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    const std::string before = game.Files().Read("Config.cfg");
    // The pointer rests from the start; Space at frame 1500.
    game.Files().Write("in.txt", "1 pointer=80,60\n1500 keys=32\n1502 keys=\n");
    const TGameRun run =
        game.Run({"--fixed-step=25", "--seed=2", "--window=160x120", "--audio=none", "--frames=1520",
                  "--input=" + game.Dir() + "in.txt", "--trace=" + game.Dir() + "t.txt"},
                 300);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<TTraceLine> lines = ReadTrace(game.Files().Read("t.txt"));
    ASSERT_EQ(lines.size(), 1520u);
    int started = -1;
    for (size_t i = 0; i < lines.size() && started < 0; ++i)
        if (lines[i].at("menu") == "0") started = static_cast<int>(i) + 1;
    // 30 s of 25 ms frames on the main page, then the stage.
    ASSERT_GE(started, 1200);
    EXPECT_LE(started, 1205);
    EXPECT_EQ(lines[started - 2].at("page"), "0");
    double far = 0;
    for (int frame = started; frame < 1500; ++frame) {
        ASSERT_EQ(lines[frame - 1].at("menu"), "0") << "frame " << frame;
        far = std::max(far, std::stod(lines[frame - 1].at("speed")));
    }
    EXPECT_GT(far, 20) << "the autopilot drives";
    EXPECT_EQ(lines[1499].at("menu"), "1");
    EXPECT_EQ(lines[1499].at("page"), "0");
    EXPECT_EQ(lines.back().at("page"), "0") << "the key that ended the demo reached the page";
    EXPECT_EQ(game.Files().Read("Config.cfg"), before);
}

} // namespace
