// The player's car, found by its paint, stands whole in the lower part of the view at the start
// lights, in the run-in and at top speed, on a stage of each block set, at 4:3 and at 16:9; and
// the stages draw their track and weather. (That every stage loads and plays is the autopilot's
// stage runs.)
#include "support/GameProcess.h"
#include "support/PngFile.h"
#include "support/TraceLines.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Our car's orange, lit or in a cloud's shadow; not sand, rock, a taxi's yellow or a red car.
bool CarPaint(uint32_t p) {
    const int r = p >> 24, g = (p >> 16) & 0xFF, b = (p >> 8) & 0xFF;
    return r >= 80 && g * 100 >= r * 35 && g * 100 <= r * 62 && b * 5 <= r;
}

// The car-coloured pixels below the HUD's panels (the top 128 rows) that lie around their
// median, which leaves out the odd orange of a billboard; rows as shares of the height.
struct TFound {
    int count = 0;
    double top = 1, bottom = 0;
};
TFound FindCar(const TPngImage& image) {
    std::vector<int> xs, ys;
    for (int y = 128; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (CarPaint(image.At(x, y))) xs.push_back(x), ys.push_back(y);
    TFound found;
    if (xs.empty()) return found;
    std::vector<int> sortedX = xs, sortedY = ys;
    std::nth_element(sortedX.begin(), sortedX.begin() + sortedX.size() / 2, sortedX.end());
    std::nth_element(sortedY.begin(), sortedY.begin() + sortedY.size() / 2, sortedY.end());
    const int mx = sortedX[sortedX.size() / 2], my = sortedY[sortedY.size() / 2];
    for (size_t i = 0; i < xs.size(); ++i)
        if (std::abs(xs[i] - mx) < image.width / 12 && std::abs(ys[i] - my) < image.height / 10) {
            ++found.count;
            found.top = std::min(found.top, static_cast<double>(ys[i]) / image.height);
            found.bottom = std::max(found.bottom, static_cast<double>(ys[i] + 1) / image.height);
        }
    return found;
}

// Below the HUD's panels (the top 128 rows): how many colours, and how many pixels of snow and
// of rain streaks or water.
struct TPictureStats {
    size_t colours = 0;
    int white = 0;
    int blue = 0;
};
TPictureStats Stats(const TPngImage& image) {
    TPictureStats stats;
    std::set<uint32_t> colours;
    for (int y = 128; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.At(x, y);
            const int r = p >> 24, g = (p >> 16) & 0xFF, b = (p >> 8) & 0xFF;
            colours.insert(p);
            stats.white += r > 220 && g > 220 && b > 220;
            stats.blue += b > r + 60 && b > g + 60;
        }
    stats.colours = colours.size();
    return stats;
}

struct TShot {
    int frame;
    const char* window;
    const char* moment;
};
constexpr TShot kShots[] = {{4, "800x600", "start lights"}, {8, "1280x720", "start lights"},
                            {100, "800x600", "run-in"},     {104, "1280x720", "run-in"},
                            {396, "800x600", "top speed"},  {400, "1280x720", "top speed"}};
// Accelerate held throughout; the window takes each shot's size a few frames before it and is
// tiny in between, which keeps the run short (nothing in the game depends on the window).
constexpr const char* kScript = "1 keys=38\n5 resize=1280x720\n9 resize=160x120\n97 resize=800x600\n"
                                "101 resize=1280x720\n105 resize=160x120\n393 resize=800x600\n"
                                "397 resize=1280x720\n";

} // namespace

TEST(CarInView, FromTheStartLightsToTopSpeedOnEveryBlockSetWithItsWeather) {
    TGameInstall game;
    game.Files().Write("in.txt", kScript);
    std::map<int, TPictureStats> weather; // at top speed, 800 x 600
    // Grass, city, desert, winter; and a stage in fog and rain, which hide the car's own paint.
    constexpr int Foggy = 10;
    for (int stage : {2, 3, 5, 8, Foggy}) {
        std::vector<std::string> args = {"--stage=" + std::to_string(stage),
                                         "--fixed-step=25",
                                         "--seed=1",
                                         "--window=800x600",
                                         "--audio=none",
                                         "--shadows=off",
                                         "--frames=401",
                                         "--input=" + game.Dir() + "in.txt",
                                         "--trace=" + game.Dir() + "t.txt"};
        for (const TShot& shot : kShots)
            args.push_back("--screenshot=" + std::to_string(shot.frame) + ":" + game.Dir() +
                           std::to_string(shot.frame) + ".png");
        ASSERT_EQ(game.Run(args).status, 0) << "stage " << stage;
        std::vector<TTraceLine> trace = ReadTrace(game.Files().Read("t.txt"));
        ASSERT_GE(trace.size(), 400u);
        EXPECT_EQ(trace[389]["speed"], trace[399]["speed"]) << "stage " << stage << " not yet at top speed";

        for (const TShot& shot : kShots) {
            const std::string where =
                "stage " + std::to_string(stage) + ", " + shot.moment + " at " + shot.window;
            TPngImage image;
            ASSERT_TRUE(ReadPng(game.Dir() + std::to_string(shot.frame) + ".png", image)) << where;
            EXPECT_EQ(std::to_string(image.width) + "x" + std::to_string(image.height), shot.window);
            if (shot.frame == 396) weather[stage] = Stats(image);
            if (stage == Foggy) continue;
            const TFound car = FindCar(image);
            EXPECT_GE(car.count, 150) << where << ": the car is not in view";
            EXPECT_GE(car.top, 0.5) << where << ": the car is not in the lower part of the view";
            EXPECT_LE(car.bottom, 0.95) << where << ": the bottom edge cuts the car";
        }
        EXPECT_GT(weather[stage].colours, 2000u) << "stage " << stage << " draws a textured scene";
    }
    // The winter stage lies under snow (partly in cloud shadow); the foggy, rainy one shows
    // no bright white at all.
    EXPECT_GT(weather[8].white, 800 * 472 / 20);
    EXPECT_GT(weather[8].white, 20 * weather[2].white);
    EXPECT_LT(weather[Foggy].white, 100);
    EXPECT_GT(weather[Foggy].blue, 20) << "rain streaks";
}
