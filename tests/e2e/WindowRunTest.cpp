// Whole-program runs whose window grows from 800 x 600 to 1920 x 1080: the main page and the HUD
// are laid out again 1.8 times as large, their text rendered at that size and their pictures
// taken from sharper versions, so that their edges stay as crisp as at 800 x 600. At a render
// scale of one half the scene is drawn at half the window's size, following its resizing and the
// desktop-sized window, while the HUD stays as sharp as at 1.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/PngFile.h"
#include "support/TraceLines.h"

#include <algorithm>
#include <cstdlib>
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
int Luma(uint32_t p) {
    return (Red(p) * 3 + Green(p) * 6 + Blue(p)) / 10;
}
bool Yellowish(uint32_t p) {
    return Red(p) > 150 && Green(p) > 150 && Blue(p) < 100;
}
// The orange of the frames' outlines.
bool Outline(uint32_t p) {
    return Red(p) > 90 && Red(p) > Blue(p) + 40 && Red(p) > Green(p) + 25;
}

// How sharp the edge in column x between rows y1 and y2 is: the largest step between
// neighbouring pixels over the whole change across the rows (1 for an edge one pixel wide).
double Crispness(const TPngImage& image, int x, int y1, int y2) {
    y1 = std::max(y1, 0);
    y2 = std::min(y2, image.height - 1);
    int low = 255, high = 0, step = 0;
    for (int y = y1; y <= y2; ++y) {
        low = std::min(low, Luma(image.At(x, y)));
        high = std::max(high, Luma(image.At(x, y)));
        if (y > y1) step = std::max(step, std::abs(Luma(image.At(x, y)) - Luma(image.At(x, y - 1))));
    }
    return high > low ? static_cast<double>(step) / (high - low) : 0;
}

// The main page's topmost button (New Game, with no game to resume): its outline's rows, the
// crispness of its upper edge, and whether its caption's ink is all pure yellow.
struct TButtonSeen {
    int top = -1, bottom = -1;
    double crispness = 0;
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
    // From the outline's top to inside the button: an edge inside the picture.
    seen.crispness = Crispness(image, x, seen.top - 1, seen.top + (last - first) / 2);
    return seen;
}

// The HUD's left panel: the lowest row of its outline down its left edge, and the crispness of
// the panel's lower edge there.
struct TPanelSeen {
    int bottom = -1;
    double crispness = 0;
};
TPanelSeen LeftPanel(const TPngImage& image) {
    TPanelSeen seen;
    for (int y = 0; y < image.height / 2; ++y)
        if (Outline(image.At(1, y))) seen.bottom = y;
    const int x = image.width / 100, reach = image.height / 60;
    seen.crispness = Crispness(image, x, seen.bottom - reach, seen.bottom + reach);
    return seen;
}

// How many pixels of the rectangle (from the top-left corner) differ by more than 2 levels.
int Differing(const TPngImage& a, const TPngImage& b, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            count += std::abs(Red(a.At(x, y)) - Red(b.At(x, y))) > 2 ||
                     std::abs(Green(a.At(x, y)) - Green(b.At(x, y))) > 2 ||
                     std::abs(Blue(a.At(x, y)) - Blue(b.At(x, y))) > 2;
    return count;
}

TPngImage Screenshot(const TGameInstall& game, const std::string& name) {
    TPngImage image;
    EXPECT_TRUE(ReadPng(game.Dir() + name, image)) << name;
    return image;
}

} // namespace

TEST(WindowRun, AGrownWindowDrawsTheMenusAndTheHudLargerAndSharpAndHalfScaleOnlyTheScene) {
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
    EXPECT_GE(large.crispness, 0.7 * small.crispness) << small.crispness;

    std::vector<std::string> stage = common;
    stage.insert(stage.end(), {"--stage=1", "--seed=5"});
    run = game.Run(stage);
    ASSERT_EQ(run.status, 0) << run.errors;
    const TPngImage full = Screenshot(game, "a.png");
    const TPanelSeen smallPanel = LeftPanel(full);
    const TPanelSeen largePanel = LeftPanel(Screenshot(game, "b.png"));
    ASSERT_GT(smallPanel.bottom, 60);
    EXPECT_GE(largePanel.bottom, 1.5 * smallPanel.bottom);
    EXPECT_GE(largePanel.crispness, 0.7 * smallPanel.crispness) << smallPanel.crispness;

    stage.push_back("--render-scale=0.5");
    run = game.Run(stage);
    ASSERT_EQ(run.status, 0) << run.errors;
    trace = ReadTrace(game.Files().Read("t.txt"));
    ASSERT_EQ(trace.size(), 8u);
    EXPECT_EQ(trace[2]["scene"], "400x300");
    EXPECT_EQ(trace[7]["scene"], "960x540");
    const TPngImage half = Screenshot(game, "a.png");
    // The HUD's left panel, drawn over the scene at the window's size either way (the scene shows
    // through its clear parts).
    EXPECT_LT(Differing(full, half, 8, 8, 200, 80), 192 * 72 / 50);
    // The road and the land: drawn at half the resolution, they differ at many edges.
    EXPECT_GT(Differing(full, half, 200, 200, 600, 500), 400 * 300 / 20);

    // The desktop-sized window; an automatic scale starts where the last game left it, on the
    // nearest step, and is kept where it stands.
    TConfig config;
    config.Resolution = 3;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    game.Files().Write("Additions.cfg", "RenderScale=auto\r\nAutoScale=0.52\r\n");
    ASSERT_EQ(game.Run({"--stage=1", "--fixed-step=25", "--frames=2", "--trace=" + game.Dir() + "d.txt"}).status, 0);
    const std::vector<TTraceLine> desktop = ReadTrace(game.Files().Read("d.txt"));
    ASSERT_EQ(desktop.size(), 2u);
    EXPECT_EQ(desktop[1].at("window"), "1024x768");
    EXPECT_EQ(desktop[1].at("scene"), "512x384");
    EXPECT_EQ(game.Files().Read("Additions.cfg"), "RenderScale=auto\r\nAutoScale=0.5\r\n");
}
