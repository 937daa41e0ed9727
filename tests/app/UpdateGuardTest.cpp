// The game frame's exception guard: the rest of the update is dropped, the next frame runs,
// and the first error of each stage reaches the log once.
#include "app/UpdateGuard.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(UpdateGuard, DropsTheRestOfTheUpdateAndLogsTheFirstErrorOfAStageOnce) {
    std::vector<std::string> lines;
    TUpdateGuard guard([&](const std::string& line) { lines.push_back(line); });
    std::vector<std::string> ran;
    const auto frame = [&](bool fail) {
        return guard.Run([&] {
            ran.push_back("weather");
            if (fail) throw EGameError("Node \"wheel\" not found.");
            ran.push_back("traffic");
        });
    };
    EXPECT_FALSE(frame(true));
    EXPECT_FALSE(frame(true));
    EXPECT_TRUE(frame(false));
    EXPECT_EQ(ran, (std::vector<std::string>{"weather", "weather", "weather", "traffic"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"Game update dropped: Node \"wheel\" not found."}));

    guard.Reset();
    EXPECT_FALSE(guard.Run([] { throw 7; }));
    EXPECT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "Game update dropped: unknown error");
}
