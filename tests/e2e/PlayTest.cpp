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
    // A stage of bridges (block 13 of the city set) over the archive's stage 3.
    WriteStage(game, 3, 13, 30);
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
