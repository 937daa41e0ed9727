#include "app/CommandLine.h"
#include "core/Error.h"

#include <gtest/gtest.h>

TEST(CommandLine, SwitchesMatchWholeArgumentsInAnyCase) {
    const TCommandLine line = ParseCommandLine({"-log", "-Fps", "-FIXEDFPS"});
    EXPECT_TRUE(line.log);
    EXPECT_TRUE(line.fps);
    EXPECT_TRUE(line.fixedFps);

    const TCommandLine other = ParseCommandLine({"-LOGX", "/FPS", "-FPS=1", "FIXEDFPS", "-log "});
    EXPECT_FALSE(other.log);
    EXPECT_FALSE(other.fps);
    EXPECT_FALSE(other.fixedFps);
}

TEST(CommandLine, ReadsHarnessOptions) {
    const TCommandLine line = ParseCommandLine(
        {"--fixed-step=16", "--seed=7", "--frames=5", "--screenshot=3:a.png", "--screenshot=4:b:c.png",
         "--window=640x480", "--input=in.txt", "--audio=none", "--score-service=http://scores.lan:8077/",
         "--shadows=on", "--frame-times=t.txt", "--vsync=off"});
    EXPECT_EQ(*line.fixedStep, 16u);
    ASSERT_EQ(line.screenshots.size(), 2u);
    EXPECT_EQ(line.screenshots[1].file, "b:c.png");
    EXPECT_EQ(*line.windowHeight, 480);
    EXPECT_EQ(line.scoreService, "http://scores.lan:8077/");
    EXPECT_FALSE(line.vsync);
    EXPECT_TRUE(ParseCommandLine({}).vsync);
}

TEST(CommandLine, RejectsUnreadableValues) {
    for (const char* bad :
         {"--fixed-step=-3", "--frames=5x", "--screenshot=3", "--window=1x1", "--score-service=", "--vsync=1"}) {
        EXPECT_THROW(ParseCommandLine({bad}), EGameError) << bad;
    }
}
