// The screenshot key in a whole-program run: F12 saves into the pictures folder and shows the
// file's name, unless an action is bound to it; the brightness overlay.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/PngFile.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> PicturesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    return names;
}

// Pure white text pixels in the lower left corner, where the notice stands.
int WhitePixelsInNoticeCorner(const TPngImage& image) {
    int count = 0;
    for (int y = image.height - 30; y < image.height - 8; ++y) {
        for (int x = 8; x < 300; ++x)
            count += image.At(x, y) == 0xFFFFFFFFu;
    }
    return count;
}

} // namespace

TEST(ScreenshotKey, F12SavesAPictureAndShowsItsNameUnlessAnActionUsesIt) {
    TGameInstall game;
    TTempDir pictures;
    setenv("XDG_PICTURES_DIR", pictures.Path().c_str(), 1);
    // Held for three frames: one press, one picture.
    game.Files().Write("in.txt", "3 keys=123\n6 keys=\n");
    const std::vector<std::string> args = {
        "--fixed-step=25", "--frames=8", "--input=" + game.Dir() + "in.txt",
        "--screenshot=2:" + game.Dir() + "before.png", "--screenshot=6:" + game.Dir() + "after.png"};
    const TGameRun run = game.Run(args);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<std::string> saved = PicturesIn(pictures.Path() + "Kestrova");
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_TRUE(std::regex_match(saved[0], std::regex(R"(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.png)"))) << saved[0];
    TPngImage picture, before, after;
    ASSERT_TRUE(ReadPng(pictures.Path() + "Kestrova/" + saved[0], picture));
    EXPECT_EQ(picture.width, 800);
    EXPECT_EQ(picture.height, 600);
    ASSERT_TRUE(ReadPng(game.Dir() + "before.png", before));
    ASSERT_TRUE(ReadPng(game.Dir() + "after.png", after));
    // The menu's corner holds no pure white; the name's letters do.
    EXPECT_LT(WhitePixelsInNoticeCorner(before), 20);
    EXPECT_LT(WhitePixelsInNoticeCorner(picture), 20) << "saved without the notice";
    EXPECT_GT(WhitePixelsInNoticeCorner(after), 200) << "the name is shown";

    // Bound to firing, F12 fires and saves nothing. At brightness 0.5 the frame lies under
    // half-transparent white.
    fs::remove_all(pictures.Path() + "Kestrova");
    game.Files().Write("keys.cfg", "KP_SHOOT=1\r\nKP_SHOOT=123\r\n");
    TConfig config;
    config.Brightness = 0.5f;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    ASSERT_EQ(game.Run(args).status, 0);
    EXPECT_TRUE(PicturesIn(pictures.Path() + "Kestrova").empty());
    TPngImage lit;
    ASSERT_TRUE(ReadPng(game.Dir() + "before.png", lit));
    for (int shift : {24, 16, 8}) {
        const int plain = (before.At(400, 300) >> shift) & 0xFF;
        const int brighter = (lit.At(400, 300) >> shift) & 0xFF;
        EXPECT_NEAR(brighter, (plain + 255) / 2, 2) << "channel at bit " << shift;
    }
    unsetenv("XDG_PICTURES_DIR");
}
