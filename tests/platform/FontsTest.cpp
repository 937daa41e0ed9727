// Font faces found through fontconfig with their stand-ins (widths and glyphs are checked drawn,
// through the 2D output's fonts).
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

} // namespace
