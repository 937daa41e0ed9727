// Playing a stage in the real executable at a fixed step: a deadly surface loses the stage.
// Winning stages, scoring and repeating a seed are the autopilot's stage runs (tests/autopilot).
#include "support/GameProcess.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

double Number(const TTraceLine& line, const std::string& key) {
    const auto found = line.find(key);
    return found == line.end() ? -1e9 : std::stod(found->second);
}

class PlayTest : public ::testing::Test {
protected:
    // Plays stage `stage` with `script` for `frames` frames at 25 ms; returns the trace.
    std::string Play(int stage, const std::string& script, int frames,
                     const std::string& trace = "trace.txt") {
        game.Files().Write("input.txt", script);
        const TGameRun run =
            game.Run({"--stage=" + std::to_string(stage), "--fixed-step=25", "--seed=5", "--window=160x120",
                      "--audio=none", "--input=" + game.Dir() + "input.txt",
                      "--frames=" + std::to_string(frames), "--trace=" + game.Dir() + trace},
                     600);
        EXPECT_TRUE(run.exited);
        EXPECT_EQ(run.status, 0) << run.errors;
        return game.Files().Read(trace);
    }

    TGameInstall game;
};

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

} // namespace
