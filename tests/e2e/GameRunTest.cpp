// A stage lost on a deadly surface in the real executable at a fixed step, restarted from the
// lose page and then left. (A new game through the tally to the next stage is the menu pilot's
// whole-game run.) The stage is a short loose file over the archive's.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The menu page each frame shows, or -1 while the stage plays.
std::vector<int> Pages(const std::vector<TTraceLine>& lines) {
    std::vector<int> pages;
    for (const TTraceLine& line : lines)
        pages.push_back(line.at("menu") == "1" ? std::stoi(line.at("page")) : -1);
    return pages;
}

// The pages in the order they were shown, each once per visit.
std::vector<int> Visits(const std::vector<int>& pages) {
    std::vector<int> visits;
    for (int page : pages)
        if (visits.empty() || visits.back() != page) visits.push_back(page);
    return visits;
}

std::string ClickAt(int frame, int x, int y) {
    return std::to_string(frame) + " pointer=" + std::to_string(x) + "," + std::to_string(y) + "\n" +
           std::to_string(frame + 1) + " keys=1\n" + std::to_string(frame + 2) + " keys=\n";
}

// A profile on stage 1: the lose page's Restart loads the profile's stage, not --stage's.
void SaveProfile(const TGameInstall& game) {
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Name = "ACE";
    config.Players[0].Stage = 1;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
}


// Cursor positions at 800 x 600 (the menu tests 30 pixels below the cursor).
constexpr int RestartX = 332, ExitX = 466, QuestionY = 336;

// Frames of the scripted lost stage: the first loss is on screen, and the second.
constexpr int FirstLoss = 480, SecondLoss = 1000;

enum { PageLoad = 16, PageLose = 17, PageCountry = 20 };

} // namespace

TEST(GameRun, ADeadlySurfaceLosesTheStageWhichRestartsAndThenLeavesForTheCountryPage) {
    TGameInstall game;
    SaveProfile(game);
    // Bridges (block 13 of the city set): steering hard over the edge loses the stage.
    WriteStage(game, 1, 13, 30);
    const std::string drive = " keys=38\n";
    std::string script = "1" + drive + "200 keys=38,37\n" + std::to_string(FirstLoss) + " keys=\n";
    script += ClickAt(FirstLoss + 2, RestartX, QuestionY) + std::to_string(FirstLoss + 10) + drive;
    script += std::to_string(FirstLoss + 210) + " keys=38,37\n" + std::to_string(SecondLoss) + " keys=\n";
    script += ClickAt(SecondLoss + 2, ExitX, QuestionY);
    game.Files().Write("in.txt", script);
    const TGameRun run = game.Run({"--stage=1", "--fixed-step=25", "--seed=5", "--window=800x600", "--audio=none",
                                   "--input=" + game.Dir() + "in.txt", "--frames=" + std::to_string(SecondLoss + 10),
                                   "--trace=" + game.Dir() + "t.txt"},
                                  300);
    ASSERT_TRUE(run.exited);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<TTraceLine> lines = ReadTrace(game.Files().Read("t.txt"));
    const std::vector<int> pages = Pages(lines);
    const std::vector<int> expected = {-1, PageLose, PageLoad, -1, PageLose, PageCountry};
    EXPECT_EQ(Visits(pages), expected);
    // The lose page follows five seconds after the car met the edge.
    const auto died = std::find_if(lines.begin(), lines.end(), [](const TTraceLine& line) {
        return line.count("health") && std::stod(line.at("health")) <= 0;
    });
    ASSERT_NE(died, lines.end()) << "the car never met the deadly surface";
    const auto lost = std::find(pages.begin(), pages.end(), PageLose);
    EXPECT_EQ((lost - pages.begin()) - (died - lines.begin()), 5000 / 25);
}
