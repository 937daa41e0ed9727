// Whole-program runs at a render scale of one half: the scene is drawn at half the window's size
// and follows its resizing and the desktop-sized window, while the HUD stays as sharp as at 1.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/PngFile.h"
#include "support/TraceLines.h"

#include <gtest/gtest.h>

namespace {

// How many pixels of the rectangle (from the top-left corner) differ by more than 2 levels.
int Differing(const TPngImage& a, const TPngImage& b, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            for (int shift = 8; shift < 32; shift += 8)
                if (std::abs(int((a.At(x, y) >> shift) & 0xFF) - int((b.At(x, y) >> shift) & 0xFF)) > 2) {
                    ++count;
                    break;
                }
    return count;
}

} // namespace

TEST(RenderScaleRun, HalfScaleDrawsTheSceneSmallAndTheHudSharp) {
    TGameInstall game;
    game.Files().Write("in.txt", "20 resize=640x400\n");
    for (const char* scale : {"1", "0.5"}) {
        const TGameRun run = game.Run({"--stage=1", "--fixed-step=25", "--seed=5", "--frames=22",
                                       "--render-scale=" + std::string(scale), "--input=" + game.Dir() + "in.txt",
                                       "--trace=" + game.Dir() + scale + ".txt",
                                       "--screenshot=15:" + game.Dir() + scale + ".png"});
        ASSERT_EQ(run.status, 0) << run.errors;
    }
    std::vector<TTraceLine> trace = ReadTrace(game.Files().Read("0.5.txt"));
    ASSERT_EQ(trace.size(), 22u);
    EXPECT_EQ(trace[14]["scene"], "400x300");
    EXPECT_EQ(trace[21]["window"], "640x400");
    EXPECT_EQ(trace[21]["scene"], "320x200");
    EXPECT_EQ(ReadTrace(game.Files().Read("1.txt"))[21]["scene"], "640x400");

    TPngImage full, half;
    ASSERT_TRUE(ReadPng(game.Dir() + "1.png", full));
    ASSERT_TRUE(ReadPng(game.Dir() + "0.5.png", half));
    // The HUD's left panel, drawn over the scene at the window's size either way (the scene shows
    // through its clear parts).
    EXPECT_LT(Differing(full, half, 8, 8, 200, 80), 192 * 72 / 50);
    // The road and the land: drawn at half the resolution, they differ at many edges.
    EXPECT_GT(Differing(full, half, 200, 200, 600, 500), 400 * 300 / 20);

    // The desktop-sized window, the scale taken from Additions.cfg.
    TConfig config;
    config.Resolution = 3;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    game.Files().Write("Additions.cfg", "RenderScale=0.5\r\n");
    ASSERT_EQ(game.Run({"--stage=1", "--fixed-step=25", "--frames=2", "--trace=" + game.Dir() + "d.txt"}).status, 0);
    std::vector<TTraceLine> desktop = ReadTrace(game.Files().Read("d.txt"));
    ASSERT_EQ(desktop.size(), 2u);
    EXPECT_EQ(desktop[1]["window"], "1024x768");
    EXPECT_EQ(desktop[1]["scene"], "512x384");
}
