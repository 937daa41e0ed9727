// The end of a game in the real executable at a fixed step: a stage lost on a deadly surface,
// restarted from the lose page and lost again, then left through Exit; the country typed, the
// score filed into the local table and sent to our own score service on loopback. (A new game
// through the tally to the next stage is the menu pilot's whole-game run.) The stage is a short
// loose file over the archive's.
#include "gameplay/GameState.h"
#include "platform/HttpClient.h"
#include "server/ServiceProcess.h"
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Cursor positions at 800 x 600 (the menu tests 30 pixels below the cursor).
constexpr int RestartX = 332, ExitX = 466, QuestionY = 336;

// Frames of the scripted lost stage: the first loss is on screen, and the second.
constexpr int FirstLoss = 480, SecondLoss = 1000;

} // namespace

TEST(GameRun, ADeadlySurfaceLosesTheStageTwiceAndTheScoreIsFiledAndSent) {
    TGameInstall game;
    // A profile on stage 1: the lose page's Restart loads the profile's stage, not --stage's.
    SaveProfile(game, 1, 5000);
    // Bridges (block 13 of the city set): steering hard over the edge loses the stage.
    WriteStage(game, 1, 13, 30);
    const auto steerOff = [](int from, int turn, int loss) {
        return std::to_string(from) + " keys=38\n" + std::to_string(turn) + " keys=38,37\n" + std::to_string(loss) +
               " keys=\n";
    };
    std::string script = steerOff(1, 200, FirstLoss) + ClickAt(FirstLoss + 2, RestartX, QuestionY) +
                         steerOff(FirstLoss + 10, FirstLoss + 210, SecondLoss) +
                         ClickAt(SecondLoss + 2, ExitX, QuestionY);
    int frame = SecondLoss + 10;
    for (const char key : std::string("N Z\r")) {
        script += KeyAt(frame, key);
        frame += 2;
    }
    script += ClickAt(SecondLoss + 23, RestartX, QuestionY); // Yes, send it
    game.Files().Write("in.txt", script);

    ServiceProcess service({"--database=" + game.Dir() + "scores.db"}, game.Dir() + "service.txt");
    ASSERT_GT(service.Port(), 0);
    const std::string address = "http://127.0.0.1:" + std::to_string(service.Port());
    const TGameRun run = game.Run({"--stage=1", "--fixed-step=25", "--seed=5", "--window=800x600", "--audio=none",
                                   "--score-service=" + address, "--input=" + game.Dir() + "in.txt",
                                   "--frames=" + std::to_string(SecondLoss + 40), "--trace=" + game.Dir() + "t.txt"},
                                  300);
    ASSERT_TRUE(run.exited);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<TTraceLine> lines = ReadTrace(game.Files().Read("t.txt"));
    const std::vector<int> expected = {-1, PAGE_LOSE, PAGE_LOAD,
                                       -1, PAGE_LOSE, PAGE_COUNTRY, PAGE_SEND_HIGH_SCORE, PAGE_MAIN};
    EXPECT_EQ(PageVisits(lines), expected);
    // The lose page follows five seconds after the car met the edge.
    const auto died = std::find_if(lines.begin(), lines.end(), [](const TTraceLine& line) {
        return line.count("health") && std::stod(line.at("health")) <= 0;
    });
    ASSERT_NE(died, lines.end()) << "the car never met the deadly surface";
    const auto lost = std::find_if(died, lines.end(), [](const TTraceLine& line) { return line.at("menu") == "1"; });
    EXPECT_EQ(lost - died, 5000 / 25);
    // Exit files the profile's score and the second run's; the first, replayed, adds nothing.
    const auto lastPlayed = std::find_if(lines.rbegin(), lines.rend(), [](const TTraceLine& line) {
        return line.count("score");
    });
    ASSERT_NE(lastPlayed, lines.rend());

    TConfig config;
    ASSERT_TRUE(config.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(config.HighScores[0].Name, "ACE");
    const std::string score = config.HighScores[0].Score;
    EXPECT_EQ(std::stoll(score), 5000 + std::stoll(lastPlayed->at("score")));
    const platform::THttpResult table = platform::HttpGet(address + "/cgi/version.pl?prg=Kestro&show&type=0");
    ASSERT_TRUE(table.ok) << table.error;
    EXPECT_NE(table.body.find("ACE"), std::string::npos) << table.body;
    EXPECT_NE(table.body.find(score), std::string::npos) << table.body;
    EXPECT_NE(table.body.find("N Z"), std::string::npos) << table.body;
}
