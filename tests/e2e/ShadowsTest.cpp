// Shadows darken the pixels their volumes cover by the same share and leave the others as they
// are without them (but for edges, snowflakes and the like that the darkening shows through).
#include "support/GameProcess.h"
#include "support/PngFile.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

TEST(Shadows, DarkenOnlyTheShadedPixelsToThreeFifths) {
    TGameInstall game;
    for (const char* shadows : {"off", "on"})
        ASSERT_EQ(game.Run({"--stage=12", "--fixed-step=25", "--seed=1", "--window=400x300", "--audio=none",
                            std::string("--shadows=") + shadows, "--frames=61",
                            "--screenshot=60:" + game.Dir() + shadows + ".png"})
                      .status,
                  0);
    TPngImage off, on;
    ASSERT_TRUE(ReadPng(game.Dir() + "off.png", off));
    ASSERT_TRUE(ReadPng(game.Dir() + "on.png", on));
    ASSERT_EQ(off.rgba.size(), on.rgba.size());
    int shaded = 0, other = 0;
    // Below the HUD's panels, which let a little of the scene through.
    for (size_t i = off.rgba.size() / 5; i < off.rgba.size(); i += 4) {
        bool equal = true, darkened = true;
        for (size_t c = 0; c < 3; ++c) {
            const int a = off.rgba[i + c], b = on.rgba[i + c];
            equal = equal && std::abs(a - b) <= 2;
            darkened = darkened && std::abs(a * 3 / 5 - b) <= 3;
        }
        shaded += !equal && darkened;
        other += !equal && !darkened;
    }
    const int pixels = off.width * off.height;
    EXPECT_GT(shaded, pixels / 100);
    EXPECT_LT(shaded, pixels / 4);
    EXPECT_LT(other, shaded / 3);
}
