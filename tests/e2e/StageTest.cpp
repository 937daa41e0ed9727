// Generated stages draw their track and weather in the real executable. (That every stage
// loads and plays is the autopilot's stage runs.)
#include "support/GameProcess.h"
#include "support/PngFile.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

struct TPictureStats {
    size_t colours = 0;
    int white = 0; // snow
    int blue = 0;  // rain streaks and water
};

// The HUD's panels (the top 128 rows) and the start light (256 x 128 in the middle) left out.
bool UnderHud(const TPngImage& image, int x, int y) {
    const int cx = image.width / 2, cy = image.height / 2;
    return y < 128 || (x >= cx - 128 && x < cx + 128 && y >= cy - 64 && y < cy + 64);
}

TPictureStats Stats(const TPngImage& image) {
    TPictureStats stats;
    std::set<uint32_t> colours;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (UnderHud(image, x, y)) continue;
            const uint32_t p = image.At(x, y);
            const int r = p >> 24, g = (p >> 16) & 0xFF, b = (p >> 8) & 0xFF;
            colours.insert(p);
            stats.white += r > 220 && g > 220 && b > 220;
            stats.blue += b > r + 60 && b > g + 60;
        }
    }
    stats.colours = colours.size();
    return stats;
}

} // namespace

TEST(Stage, ThreeStagesDrawTheirTrackAndWeather) {
    TGameInstall game;
    std::map<int, TPictureStats> shots;
    for (int stage : {1, 8, 10}) {
        const std::string file = game.Dir() + "stage" + std::to_string(stage) + ".png";
        ASSERT_EQ(game.Run({"--stage=" + std::to_string(stage), "--fixed-step=25", "--seed=1", "--frames=40",
                            "--screenshot=40:" + file})
                      .status,
                  0);
        TPngImage image;
        ASSERT_TRUE(ReadPng(file, image));
        shots[stage] = Stats(image);
        EXPECT_GT(shots[stage].colours, 2000u) << "stage " << stage << " draws a textured scene";
    }
    // The winter stage lies under snow (partly in cloud shadow); the foggy, rainy one shows
    // no bright white at all.
    EXPECT_GT(shots[8].white, 800 * 472 / 20);
    EXPECT_GT(shots[8].white, 20 * shots[1].white);
    EXPECT_LT(shots[10].white, 100);
    EXPECT_GT(shots[10].blue, 20) << "rain streaks";
}
