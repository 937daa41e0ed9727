// The main page's demo in the real executable: thirty seconds without input start a stage
// played by the autopilot, its end or a key press returns to the main page, and the profile,
// high scores and settings come out of it untouched.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Demo, IdleMainPagePlaysAStageToItsEndOrUntilAKeyAndNothingIsSaved) {
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
    // The pointer rests from the start. The first demo plays its stage to the end (which would
    // move the profile on a stage); the second is ended by Space at frame 5000.
    game.Files().Write("in.txt", "1 pointer=80,60\n5000 keys=32\n5002 keys=\n");
    const TGameRun run =
        game.Run({"--fixed-step=25", "--seed=2", "--window=160x120", "--audio=none", "--frames=5020",
                  "--input=" + game.Dir() + "in.txt", "--trace=" + game.Dir() + "t.txt"},
                 300);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<TTraceLine> lines = ReadTrace(game.Files().Read("t.txt"));
    ASSERT_EQ(lines.size(), 5020u);
    const auto firstFrom = [&lines](int frame, const char* menu) {
        while (frame <= static_cast<int>(lines.size()) && lines[frame - 1].at("menu") != menu)
            ++frame;
        return frame;
    };
    // 30 s of 25 ms frames on the main page, then the stage.
    const int started = firstFrom(1, "0");
    ASSERT_GE(started, 1200);
    EXPECT_LE(started, 1205);
    EXPECT_EQ(lines[started - 2].at("page"), "0");
    double far = 0;
    const int ended = firstFrom(started, "1");
    for (int frame = started; frame < ended; ++frame)
        far = std::max(far, std::stod(lines[frame - 1].at("speed")));
    EXPECT_GT(far, 20) << "the autopilot drives";
    ASSERT_LT(ended, 5000) << "the stage's own end";
    EXPECT_EQ(lines[ended].at("page"), "0") << "no tally: back to the main page";
    const int again = firstFrom(ended, "0");
    EXPECT_GE(again, ended + 1200);
    EXPECT_LT(again, 5000);
    EXPECT_EQ(lines[4999].at("menu"), "1");
    EXPECT_EQ(lines[4999].at("page"), "0");
    EXPECT_EQ(lines.back().at("page"), "0") << "the key that ended the demo reached the page";
    EXPECT_EQ(game.Files().Read("Config.cfg"), before);
}

} // namespace
