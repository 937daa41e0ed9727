// The end of a game in the real executable at a fixed step: a stage lost on a deadly surface,
// restarted from the lose page and lost again, then left through Exit; the country typed, the
// score filed into the local table and sent to our own score service on loopback. (A new game
// through the tally to the next stage is the menu pilot's whole-game run.) The stage is a short
// loose file over the archive's.
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

// The pages in the order they were shown, each once per visit; -1 while the stage plays.
std::vector<int> Visits(const std::vector<int>& pages) {
    std::vector<int> visits;
    for (int page : pages)
        if (visits.empty() || visits.back() != page) visits.push_back(page);
    return visits;
}

// Cursor positions at 800 x 600 (the menu tests 30 pixels below the cursor).
constexpr int RestartX = 332, ExitX = 466, QuestionY = 336;

// Frames of the scripted lost stage: the first loss is on screen, and the second.
constexpr int FirstLoss = 480, SecondLoss = 1000;

enum { PageMain = 0, PageLoad = 16, PageLose = 17, PageCountry = 20, PageSend = 21 };

} // namespace

TEST(GameRun, ADeadlySurfaceLosesTheStageTwiceAndTheScoreIsFiledAndSent) {
    TGameInstall game;
    // A profile on stage 1: the lose page's Restart loads the profile's stage, not --stage's.
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Name = "ACE";
    config.Players[0].Stage = 1;
    config.Players[0].Score = 5000;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    // Bridges (block 13 of the city set): steering hard over the edge loses the stage.
    WriteStage(game, 1, 13, 30);
    std::string script;
    const auto at = [&script](int frame, const std::string& event) {
        script += std::to_string(frame) + " " + event + "\n";
    };
    const auto click = [&at](int frame, int x, int y) {
        at(frame, "pointer=" + std::to_string(x) + "," + std::to_string(y));
        at(frame + 1, "keys=1");
        at(frame + 2, "keys=");
    };
    at(1, "keys=38");
    at(200, "keys=38,37");
    at(FirstLoss, "keys=");
    click(FirstLoss + 2, RestartX, QuestionY);
    at(FirstLoss + 10, "keys=38");
    at(FirstLoss + 210, "keys=38,37");
    at(SecondLoss, "keys=");
    click(SecondLoss + 2, ExitX, QuestionY);
    const std::string typed = "N Z";
    for (size_t i = 0; i < typed.size(); ++i) {
        at(SecondLoss + 10 + 2 * static_cast<int>(i), "keys=" + std::to_string(typed[i]));
        at(SecondLoss + 11 + 2 * static_cast<int>(i), "keys=");
    }
    at(SecondLoss + 20, "keys=13");
    at(SecondLoss + 21, "keys=");
    click(SecondLoss + 23, RestartX, QuestionY); // Yes, send it
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
    std::vector<int> pages;
    for (const TTraceLine& line : lines)
        pages.push_back(line.at("menu") == "1" ? std::stoi(line.at("page")) : -1);
    const std::vector<int> expected = {-1, PageLose, PageLoad, -1, PageLose, PageCountry, PageSend, PageMain};
    EXPECT_EQ(Visits(pages), expected);
    // The lose page follows five seconds after the car met the edge.
    const auto died = std::find_if(lines.begin(), lines.end(), [](const TTraceLine& line) {
        return line.count("health") && std::stod(line.at("health")) <= 0;
    });
    ASSERT_NE(died, lines.end()) << "the car never met the deadly surface";
    const auto lost = std::find(pages.begin(), pages.end(), PageLose);
    EXPECT_EQ((lost - pages.begin()) - (died - lines.begin()), 5000 / 25);

    ASSERT_TRUE(config.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(config.HighScores[0].Name, "ACE");
    const std::string score = config.HighScores[0].Score;
    EXPECT_GE(std::stoll(score), 5000);
    const platform::THttpResult table = platform::HttpGet(address + "/cgi/version.pl?prg=Kestro&show&type=0");
    ASSERT_TRUE(table.ok) << table.error;
    EXPECT_NE(table.body.find("ACE"), std::string::npos) << table.body;
    EXPECT_NE(table.body.find(score), std::string::npos) << table.body;
    EXPECT_NE(table.body.find("N Z"), std::string::npos) << table.body;
}
