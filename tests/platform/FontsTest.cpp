// Font faces found through fontconfig with their stand-ins, and text widths as sums of advances
// (sizes are checked through the 2D output's fonts).
#include "platform/Fonts.h"

#include <gtest/gtest.h>

namespace {

TEST(FontsTest, FacesFallBackToTheirStandIns) {
    const std::string gothic = platform::FontFamily(platform::OpenFont("Century Gothic", 18, true));
    EXPECT_TRUE(gothic == "Century Gothic" || gothic == "URW Gothic") << gothic;
    const std::string verdana = platform::FontFamily(platform::OpenFont("Verdana", 12, false));
    EXPECT_TRUE(verdana == "Verdana" || verdana == "DejaVu Sans") << verdana;
    EXPECT_EQ(platform::FontFamily(platform::OpenFont("No Such Face At All", 12, false)), "DejaVu Sans");
}

TEST(FontsTest, WidthIsTheSumOfTheAdvances) {
    const int large = platform::OpenFont("Century Gothic", 18, true);
    EXPECT_EQ(platform::TextWidth(large, ""), 0);
    EXPECT_EQ(platform::TextWidth(large, "Wi"),
              platform::TextWidth(large, "W") + platform::TextWidth(large, "i"));
    EXPECT_GT(platform::TextWidth(large, "..."), 0);
    // Windows-1251 letters have their Cyrillic glyphs: "Ж" is wider than "і".
    EXPECT_GT(platform::TextWidth(large, "\xC6"), platform::TextWidth(large, "\xB3"));
}

} // namespace
