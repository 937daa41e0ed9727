#include "app/ScreenshotKey.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

TEST(ScreenshotKey, NamesByDateAndTimeWithoutOverwritingAnEarlierPicture) {
    TTempDir dir;
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 6;
    time.tm_hour = 23;
    time.tm_min = 4;
    time.tm_sec = 9;
    const std::string first = ScreenshotPath(dir.Path(), time);
    EXPECT_EQ(first, dir.Path() + "2026-12-06_23-04-09.png");
    dir.Write("2026-12-06_23-04-09.png", "earlier");
    EXPECT_EQ(ScreenshotPath(dir.Path(), time), dir.Path() + "2026-12-06_23-04-09-2.png");
}
