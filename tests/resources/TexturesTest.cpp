// The image loaders' edge cases: dispatch by extension, padded rows and skipped fields, the
// message boxes of damaged files, loose or archived (row and channel orders are seen drawn, in
// the GL tests; which file wins, in the archive's tests).
#include "resources/Textures.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "core/Error.h"
#include "resources/DataPath.h"
#include "resources/OpenIL.h"
#include "support/ImageBoxes.h"
#include "support/ImageFiles.h"
#include "support/ScratchProgram.h"

using namespace imagefiles;

namespace {

class ImageLoaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InitIL(); }

    // Writes a loose file under the program directory and returns the game's path for it.
    std::string Loose(const std::string& name, const TBytesOut& bytes) {
        return program_.Put("Data/" + name, AsString(bytes));
    }
    // Packs members named "Data\" + name into the program's archive.
    void Pack(const std::vector<std::pair<std::string, TBytesOut>>& members) {
        std::vector<std::pair<std::string, std::string>> packed;
        for (const auto& [name, bytes] : members)
            packed.push_back({"Data\\" + name, AsString(bytes)});
        archiveFile_ = program_.PackArchive(packed);
    }
    const std::vector<std::string>& Boxes() const { return boxes_.Texts(); }

    TScratchProgram program_;
    TImageBoxes boxes_;
    std::string archiveFile_;
};

// A 2 x 1 TGA: blue then red in the file's BGR order.
const TBytesOut kTgaPixels = {255, 0, 0, 0, 0, 255};

TEST_F(ImageLoaderTest, OnlyTheFourExactExtensionsLoad) {
    EXPECT_EQ(ImageFormatOf("Data\\A.TgA"), TImageFormat::TGA);
    EXPECT_EQ(ImageFormatOf("png"), TImageFormat::None);

    const std::string path = Loose("photo.jpeg", EncodeJPG(1, 1, {1, 2, 3}));
    TImage image;
    EXPECT_FALSE(LoadImage(path, image));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(image.pixels.empty());
}

TEST_F(ImageLoaderTest, BmpRowsArePaddedToFourBytesAndTgaSkipsItsImageId) {
    // 2 x 2: rows of 6 bytes padded to 8, bottom row (blue, green) stored first.
    const TBytesOut rows = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    TImage image;
    ASSERT_TRUE(LoadImage(Loose("b.bmp", MakeBMP(2, 2, rows)), image));
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.pixels, (TBytesOut{0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255}));
    // A TGA's image id is skipped.
    ASSERT_TRUE(LoadImage(Loose("id.tga", MakeTGA(2, 1, kTgaPixels, {2, 0, 24, "an image id"})), image));
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.pixels, (TBytesOut{0, 0, 255, 255, 0, 0}));
}

TEST_F(ImageLoaderTest, ShortOrDamagedBmpGivesItsBoxOrError) {
    TImage image;
    const TBytesOut whole = MakeBMP(4, 2, TBytesOut(24, 9));
    EXPECT_FALSE(DecodeBMP(TBytesOut(whole.begin(), whole.begin() + 30), image));
    EXPECT_FALSE(DecodeBMP(TBytesOut(whole.begin(), whole.end() - 1), image));
    EXPECT_FALSE(DecodeBMP(MakeBMP(0, 2, {}), image));
    TBytesOut bigPalette = MakeBMP(4, 2, TBytesOut(24, 9), {24, 300, 0});
    bigPalette.resize(54 + 100);
    EXPECT_FALSE(DecodeBMP(bigPalette, image));
    const std::string data = "BMP Unit: Error reading bitmap data";
    EXPECT_EQ(Boxes(), (std::vector<std::string>{data, data, data, "BMP Unit: Error reading palette"}));
    EXPECT_TRUE(image.pixels.empty());

    try {
        DecodeBMP(MakeBMP(4, 2, TBytesOut(8, 0), {8, 0, 0}), image);
        ADD_FAILURE() << "an 8-bit bitmap loaded";
    } catch (const EGameError& error) {
        EXPECT_STREQ(error.what(), "Bitmap bitrate <> 24");
    }
}

TEST_F(ImageLoaderTest, UnsupportedOrShortTgaShowsItsBox) {
    TImage image;
    const std::string rle = Loose("rle.tga", MakeTGA(2, 1, kTgaPixels, {10, 0, 24, ""}));
    const std::string grey = Loose("g.tga", MakeTGA(2, 1, {1, 2}, {2, 0, 8, ""}));
    TBytesOut cut = MakeTGA(2, 1, kTgaPixels);
    cut.pop_back();
    const std::string shortFile = Loose("short.tga", cut);
    for (const std::string& path : {rle, grey, shortFile})
        EXPECT_FALSE(LoadImage(path, image)) << path;
    const std::string box = "TGA File Error: Couldn't ";
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           box + "load \"" + rle + "\". Compressed TGA files not supported.",
                           box + "load \"" + grey + "\". Only 24 bit TGA files supported.",
                           box + "read file \"" + shortFile + "\".",
                       }));
}

TEST_F(ImageLoaderTest, PngWithTwoBytesPerPixelRaises) {
    TImage image;
    // Grey with alpha: 2 bytes a pixel.
    const std::string path =
        Loose("grey.png", EncodePNGRows(2, 2, 8, PNG_COLOR_TYPE_GRAY_ALPHA, {10, 255, 20, 255, 30, 0, 40, 128}));
    try {
        LoadImage(path, image);
        ADD_FAILURE() << "a grey PNG loaded";
    } catch (const EGameError& error) {
        EXPECT_STREQ(error.what(),
                     "PNG format only support 24 bits(3 byte) & 32 bits(4 byte), and not support 2");
    }

    EXPECT_FALSE(LoadImage(Loose("junk.png", {'n', 'o', 't'}), image));
    EXPECT_EQ(Boxes(),
              std::vector<std::string>{"PNG Unit: Couldn't load PNG - \"" + ProgramDir + "Data\\junk.png\""});
}

TEST_F(ImageLoaderTest, DamagedJpgNamesItsSource) {
    TImage image;
    const std::string loose = Loose("bad.jpg", {0xFF, 0xD8, 0xFF, 0});
    EXPECT_FALSE(LoadImage(loose, image));
    Pack({{"member.jpg", {1, 2, 3}}});
    EXPECT_FALSE(LoadImage(ProgramDir + "Data\\member.jpg", image));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "BMP Unit: Couldn't load JPG - \"" + loose + "\"",
                           "BMP Unit: Couldn't load JPG Resource - \"" + ProgramDir + "Data\\member.jpg\"",
                       }));
}

TEST_F(ImageLoaderTest, UnreadableMemberShowsTheResourceBox) {
    Pack({{"a.bmp", MakeBMP(4, 1, TBytesOut(12, 1))}, {"z.tga", MakeTGA(2, 1, kTgaPixels)}});
    // Cut the archive inside the last member's bytes: the first still loads.
    std::filesystem::resize_file(archiveFile_, std::filesystem::file_size(archiveFile_) - 2);
    program_.OpenArchive(archiveFile_);
    TImage image;
    EXPECT_TRUE(LoadImage(ProgramDir + "Data\\a.bmp", image));
    EXPECT_FALSE(LoadImage(ProgramDir + "Data\\z.tga", image));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"BMP Unit: Unable to read from resource - " + ProgramDir +
                                                "Data\\z.tga"});
}

} // namespace

TEST_F(ImageLoaderTest, SixteenBitPngIsReadAsItsEightBitTwin) {
    TImage image;
    // Red, half green, blue: the high byte of each sample counts.
    const TBytesOut rgb16 = {0xFF, 0x10, 0, 0, 0, 0, 0, 0, 0x80, 0x7F, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
    ASSERT_TRUE(LoadImage(Loose("rgb16.png", EncodePNGRows(3, 1, 16, PNG_COLOR_TYPE_RGB, rgb16)), image));
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.pixels, (TBytes{255, 0, 0, 0, 128, 0, 0, 0, 255}));
}
