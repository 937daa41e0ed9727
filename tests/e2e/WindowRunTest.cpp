// A whole-program run whose window is resized on the main page: the page is laid out again
// for the new size, its buttons staying at the lower-left corner and the welcome line centred.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/PngFile.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

namespace {

// The yellow of menu texts inside a rectangle given in pixels from the picture's lower-left
// corner: how many pixels, and the mean x of their columns.
struct TYellow {
    int count = 0;
    double meanX = 0;
};
TYellow YellowIn(const TPngImage& image, int x1, int y1, int x2, int y2) {
    TYellow yellow;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            if (image.At(x, image.height - 1 - y) >> 8 == 0xFFFF00) {
                ++yellow.count;
                yellow.meanX += x;
            }
    if (yellow.count) yellow.meanX /= yellow.count;
    return yellow;
}

} // namespace

TEST(WindowRun, ResizedWindowLaysTheMainPageOutAgain) {
    TGameInstall game;
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Name = "ACE";
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    game.Files().Write("in.txt", "1 pointer=40,40\n4 resize=1600x900\n");
    const TGameRun run =
        game.Run({"--fixed-step=25", "--frames=12", "--input=" + game.Dir() + "in.txt",
                  "--trace=" + game.Dir() + "t.txt", "--screenshot=3:" + game.Dir() + "a.png",
                  "--screenshot=12:" + game.Dir() + "b.png"});
    ASSERT_EQ(run.status, 0) << run.errors;
    std::vector<TTraceLine> trace = ReadTrace(game.Files().Read("t.txt"));
    ASSERT_EQ(trace.size(), 12u);
    EXPECT_EQ(trace[2]["window"], "800x600");
    EXPECT_EQ(trace[11]["window"], "1600x900");
    EXPECT_EQ(trace[11]["page"], "0");

    TPngImage before, after;
    ASSERT_TRUE(ReadPng(game.Dir() + "a.png", before));
    ASSERT_TRUE(ReadPng(game.Dir() + "b.png", after));
    ASSERT_EQ(after.width, 1600);
    ASSERT_EQ(after.height, 900);
    // "Exit", the lowest button, stands 24 .. 154 pixels from the left and 25 .. 55 from the
    // bottom at any size; its caption keeps its pixels.
    const TYellow exitBefore = YellowIn(before, 24, 25, 154, 55);
    const TYellow exitAfter = YellowIn(after, 24, 25, 154, 55);
    EXPECT_GT(exitBefore.count, 20);
    EXPECT_EQ(exitAfter.count, exitBefore.count);
    EXPECT_DOUBLE_EQ(exitAfter.meanX, exitBefore.meanX);
    // The welcome line, between the buttons and the badge, is centred on the new width.
    const TYellow welcomeBefore = YellowIn(before, 160, 0, 800 - 260, 60);
    const TYellow welcomeAfter = YellowIn(after, 160, 0, 1600 - 260, 60);
    EXPECT_GT(welcomeBefore.count, 50);
    EXPECT_EQ(welcomeAfter.count, welcomeBefore.count);
    EXPECT_NEAR(welcomeAfter.meanX - welcomeBefore.meanX, 400, 1) << "half the added width";
}
