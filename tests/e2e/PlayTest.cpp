// Playing a stage in the real executable at a fixed step: the trace's player fields show
// cars destroyed for score, repeat byte for byte, a deadly surface losing the stage and a
// finished stage opening the stage-complete page with the profile's stage counter advanced.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

double Number(const TTraceLine& line, const std::string& key) {
    const auto found = line.find(key);
    return found == line.end() ? -1e9 : std::stod(found->second);
}

// The trace without its first line (the process id).
std::string TraceBody(const std::string& text) {
    return text.substr(text.find('\n') + 1);
}

class PlayTest : public ::testing::Test {
protected:
    // Plays stage `stage` with `script` for `frames` frames at 25 ms; returns the trace.
    std::string Play(int stage, const std::string& script, int frames,
                     const std::string& trace = "trace.txt") {
        game.Files().Write("input.txt", script);
        const TGameRun run =
            game.Run({"--stage=" + std::to_string(stage), "--fixed-step=25", "--seed=5", "--window=800x600",
                      "--audio=none", "--input=" + game.Dir() + "input.txt",
                      "--frames=" + std::to_string(frames), "--trace=" + game.Dir() + trace},
                     600);
        EXPECT_TRUE(run.exited);
        EXPECT_EQ(run.status, 0) << run.errors;
        return game.Files().Read(trace);
    }

    TGameInstall game;
};

// Full speed ahead, the gunner firing at the road in front of the car.
const char* const kAttack = "1 keys=38,1 pointer=400,240\n";

TEST_F(PlayTest, FiringAtTrafficDestroysCarsForScoreAndRepeatsExactly) {
    const std::string first = Play(1, kAttack, 1500, "first.txt");
    const std::vector<TTraceLine> lines = ReadTrace(first);
    ASSERT_EQ(lines.size(), 1500u);
    // The run-in: the car rolls in behind the start lights, then the driver takes over.
    EXPECT_EQ(Number(lines[0], "menu"), 0);
    EXPECT_LE(Number(lines[150], "speed"), 30.01);
    EXPECT_NEAR(Number(lines.back(), "speed"), 100, 0.01);
    EXPECT_GT(Number(lines.back(), "score"), 0);
    // The clock runs 25 ms a frame; only an extra-time bonus turns it back.
    EXPECT_EQ(Number(lines[0], "time"), 85000 - 25);
    for (size_t i = 1; i < lines.size(); ++i) {
        const double change = Number(lines[i], "time") - Number(lines[i - 1], "time");
        EXPECT_TRUE(change == -25 || change > 0) << "frame " << i << " changes the clock by " << change;
    }
    int most = 0;
    for (const TTraceLine& line : lines)
        most = std::max(most, static_cast<int>(Number(line, "cars")));
    EXPECT_GT(most, 0) << "traffic appears";

    const std::string second = Play(1, kAttack, 1500, "second.txt");
    EXPECT_EQ(TraceBody(first), TraceBody(second));
}

TEST_F(PlayTest, ADeadlySurfaceLosesTheStageFiveSecondsLater) {
    // A stage of bridges (block 13 of the city set), as loose files over the archive's stage 3.
    game.Files().Write("Data/Maps/Track3.cfg",
                       "[Mission]\r\nBlocks=city\r\nTrackFile=city\\Bridges.seq\r\n"
                       "Time=100\r\n[Player]\r\nMaxSpeed=100\r\nMinSpeed=30\r\n"
                       "[Traffic]\r\nCarTypesCount=1\r\n[CarType_0]\r\nSection_0_Begin=30\r\n");
    std::string sequence;
    for (int i = 0; i < 32; ++i) {
        const char block = i == 0 ? 0 : i == 1 ? 1 : 13;
        sequence += std::string(1, block) + std::string(3, '\0');
    }
    game.Files().Write("Data/Maps/city/Bridges.seq", sequence);
    // Once the driver has the car, hard towards the edge and over it.
    const std::vector<TTraceLine> lines = ReadTrace(Play(3, "1 keys=38\n200 keys=38,37\n", 500));
    int died = -1;
    int lost = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (died < 0 && Number(lines[i], "health") <= 0) died = static_cast<int>(i);
        if (lost < 0 && Number(lines[i], "page") == 17 && Number(lines[i], "menu") == 1)
            lost = static_cast<int>(i);
    }
    ASSERT_GE(died, 0) << "the car never met the deadly surface";
    EXPECT_GT(Number(lines[died], "x"), 9);
    ASSERT_GE(lost, 0);
    EXPECT_EQ(lost - died, 5000 / 25);
    EXPECT_EQ(Number(lines[lost - 1], "menu"), 0);
}

TEST_F(PlayTest, TheEndOfAStageOpensTheStageCompletePage) {
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Name = "Tester";
    config.Players[0].Stage = 1;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    const std::vector<TTraceLine> lines = ReadTrace(Play(1, "1 keys=38\n", 2600));
    int complete = -1;
    for (size_t i = 0; i < lines.size() && complete < 0; ++i)
        if (Number(lines[i], "page") == 15 && Number(lines[i], "menu") == 1) complete = static_cast<int>(i);
    ASSERT_GE(complete, 0);
    EXPECT_GT(Number(lines[complete - 1], "health"), 0);
    TConfig after;
    ASSERT_TRUE(after.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(after.Players[0].Stage, 2);
}

} // namespace
