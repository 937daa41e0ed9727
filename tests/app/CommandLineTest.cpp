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

TEST(CommandLine, RejectsUnreadableValues) {
    for (const char* bad :
         {"--fixed-step=-3", "--frames=5x", "--screenshot=3", "--window=1x1", "--score-service=", "--vsync=1"}) {
        EXPECT_THROW(ParseCommandLine({bad}), EGameError) << bad;
    }
}
