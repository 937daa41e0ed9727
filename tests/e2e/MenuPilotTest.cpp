// A whole game played by `--autopilot` from a first start, through the menus as a player goes
// through them: the profile typed in, a new game, two short stages won and the third lost on
// its clock, the score filed under a typed country, and the program ending on the main page.
#include "gameplay/GameState.h"
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MenuPilot, PlaysANewGameFromTheFirstStartToTheFiledScoreAndExits) {
    TGameInstall game;
    // The menu windows stand over the window's edges at this size: the pilot clicks their
    // buttons' visible parts.
    WriteStage(game, 1, 1, 2);
    WriteStage(game, 2, 1, 2);
    WriteStage(game, 3, 1, 30, 1); // one second on the clock: lost
    constexpr int FrameLimit = 6000;
    const TGameRun run =
        game.Run({"--autopilot", "--fixed-step=25", "--seed=3", "--window=320x240", "--audio=none",
                  "--frames=" + std::to_string(FrameLimit), "--trace=" + game.Dir() + "t.txt"},
                 120);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.errors;
    const std::vector<TTraceLine> lines = ReadTrace(game.Files().Read("t.txt"));
    ASSERT_FALSE(lines.empty());
    EXPECT_LT(lines.size(), static_cast<size_t>(FrameLimit)) << "the pilot ended the run itself";
    const std::vector<int> expected = {PAGE_CREATE_PLAYER, PAGE_MAIN, PAGE_STORY,
                                       PAGE_LOAD, -1, PAGE_STAGE_COMPLETE,
                                       PAGE_LOAD, -1, PAGE_STAGE_COMPLETE,
                                       PAGE_LOAD, -1, PAGE_LOSE, PAGE_COUNTRY, PAGE_SEND_HIGH_SCORE, PAGE_MAIN};
    EXPECT_EQ(PageVisits(lines), expected);

    TConfig config;
    ASSERT_TRUE(config.Load(game.Dir() + "Config.cfg"));
    ASSERT_EQ(config.PlayerCount, 1);
    EXPECT_EQ(config.Players[0].Name, "PILOT");
    EXPECT_EQ(config.Players[0].Stage, 3) << "two stages won";
    EXPECT_GT(config.Players[0].Score, 0);
    EXPECT_EQ(config.HighScores[0].Name, "PILOT");
    EXPECT_EQ(config.HighScores[0].Score, std::to_string(config.Players[0].Score));
}

} // namespace
