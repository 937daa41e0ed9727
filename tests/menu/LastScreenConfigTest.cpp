#include "menu/LastScreenConfig.h"

#include <gtest/gtest.h>

namespace {

const std::string kLink = "[link]\n10 20 30 40\nin.png\nout.png\nhttps://example.org/\n";
const std::string kClose = "[close]\nskipped\n1 2 3 4\nc_in.png\nc_out.png\nbox.png\n0 0\n5\n255 128 0\n";

} // namespace

TEST(LastScreenConfig, ReadsLinksCloseButtonAndCountdown) {
    const auto config = ParseLastScreenConfig("2\r\nbg.jpg\r\n" + kLink + kClose + "true\n20\n");
    ASSERT_TRUE(config);
    EXPECT_EQ(config->background, "bg.jpg") << "CR LF lines";
    ASSERT_EQ(config->links.size(), 1u);
    EXPECT_EQ(config->links[0].link, "https://example.org/");
    EXPECT_EQ(config->countdownSeconds, 5);
    EXPECT_EQ(config->fontHeight, 20) << "TRUE in any case";

    const auto noFont = ParseLastScreenConfig("1\nbg.jpg\n" + kClose + "FALSE\n");
    ASSERT_TRUE(noFont);
    EXPECT_TRUE(noFont->links.empty());
    EXPECT_FALSE(noFont->fontHeight);
}

TEST(LastScreenConfig, AnythingMalformedTurnsTheScreenOff) {
    for (const std::string& bad : std::initializer_list<std::string>{
             std::string(""),
             "x\nbg.jpg\n" + kClose + "FALSE\n",                          // count not a number
             "3\nbg.jpg\n" + kLink + kClose + "FALSE\n",                  // a link too few
             "1\nbg.jpg\n" + kClose + "TRUE\n",                           // font height missing
             "1\nbg.jpg\n[c]\ns\n1 2  3 4\nc\nc\nb\n0 0\n5\n1 2 3\nF\n",  // two spaces
             "1\nbg.jpg\n[c]\ns\n1 2 3 4\nc\nc\nb\n0 0\n5\n1 2 300\nF\n", // colour out of range
             "99999999999\nbg.jpg\n",                                     // count out of range
         })
        EXPECT_FALSE(ParseLastScreenConfig(bad)) << bad;
}
