// Whole-program runs whose window grows from 800 x 600 to 1920 x 1080: the main page and the HUD
// are laid out again 1.8 times as large, their text rendered at that size. (That larger
// interfaces bind the sharper pictures is TextureDraw's; text rendered sharp, Out2DTest's.)
#include "support/GameProcess.h"
#include "support/PngFile.h"
#include "support/TraceLines.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

int Red(uint32_t p) {
    return p >> 24;
}
int Green(uint32_t p) {
    return (p >> 16) & 0xFF;
}
int Blue(uint32_t p) {
    return (p >> 8) & 0xFF;
}
bool Yellowish(uint32_t p) {
    return Red(p) > 150 && Green(p) > 150 && Blue(p) < 100;
}
// The orange of the frames' outlines.
bool Outline(uint32_t p) {
    return Red(p) > 90 && Red(p) > Blue(p) + 40 && Red(p) > Green(p) + 25;
}

// The main page's topmost button (New Game, with no game to resume): its outline's rows, and
// whether its caption's ink is all pure yellow.
struct TButtonSeen {
    int top = -1, bottom = -1;
    bool captionPure = true;
};
TButtonSeen TopButton(const TPngImage& image) {
    TButtonSeen seen;
    int first = -1, last = -1, left = image.width, right = 0;
    for (int y = 0; y < image.height && (first < 0 || y <= last + 1); ++y)
        for (int column = 0; column < image.width / 3; ++column)
            if (Yellowish(image.At(column, y))) {
                if (first < 0) first = y;
                last = y;
                left = std::min(left, column);
                right = std::max(right, column);
                seen.captionPure = seen.captionPure && image.At(column, y) >> 8 == 0xFFFF00;
            }
    if (first < 0) return seen;
    const int x = (left + right) / 2;
    for (int y = first; y >= 0 && seen.top < 0; --y)
        if (Outline(image.At(x, y))) seen.top = y;
    for (int y = last; y < image.height && seen.bottom < 0; ++y)
        if (Outline(image.At(x, y))) seen.bottom = y;
    return seen;
}

// The HUD's left panel: the lowest row of its outline down its left edge.
int LeftPanelBottom(const TPngImage& image) {
    int bottom = -1;
    for (int y = 0; y < image.height / 2; ++y)
        if (Outline(image.At(1, y))) bottom = y;
    return bottom;
}

TPngImage Screenshot(const TGameInstall& game, const std::string& name) {
    TPngImage image;
    EXPECT_TRUE(ReadPng(game.Dir() + name, image)) << name;
    return image;
}

} // namespace

TEST(WindowRun, AGrownWindowDrawsTheMenusAndTheHudLargerAndSharp) {
    TGameInstall game;
    SaveProfile(game);
    game.Files().Write("in.txt", "1 pointer=700,20\n4 resize=1920x1080\n5 pointer=1800,20\n");
    const std::vector<std::string> common = {"--fixed-step=25", "--frames=8", "--input=" + game.Dir() + "in.txt",
                                             "--trace=" + game.Dir() + "t.txt", "--screenshot=3:" + game.Dir() + "a.png",
                                             "--screenshot=8:" + game.Dir() + "b.png"};
    TGameRun run = game.Run(common);
    ASSERT_EQ(run.status, 0) << run.errors;
    std::vector<TTraceLine> trace = ReadTrace(game.Files().Read("t.txt"));
    ASSERT_EQ(trace.size(), 8u);
    EXPECT_EQ(trace[2]["window"], "800x600");
    EXPECT_EQ(trace[7]["window"], "1920x1080");
    EXPECT_EQ(trace[7]["page"], "0");
    const TButtonSeen small = TopButton(Screenshot(game, "a.png"));
    const TButtonSeen large = TopButton(Screenshot(game, "b.png"));
    ASSERT_GT(small.bottom - small.top, 20);
    EXPECT_GE(large.bottom - large.top, 1.5 * (small.bottom - small.top));
    EXPECT_TRUE(small.captionPure);
    EXPECT_TRUE(large.captionPure) << "text rendered at its size, not stretched";

    std::vector<std::string> stage = common;
    stage.push_back("--stage=1");
    run = game.Run(stage);
    ASSERT_EQ(run.status, 0) << run.errors;
    const int smallPanel = LeftPanelBottom(Screenshot(game, "a.png"));
    ASSERT_GT(smallPanel, 60);
    EXPECT_GE(LeftPanelBottom(Screenshot(game, "b.png")), 1.5 * smallPanel);
}
