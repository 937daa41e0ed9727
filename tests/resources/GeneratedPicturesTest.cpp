// Every picture of the generated Data.dpg goes through the game's own loaders without a
// message box or an error.
#include "resources/Textures.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "app/Globals.h"
#include "resources/OpenIL.h"
#include "support/TestFiles.h"

namespace {

std::vector<std::string> BoxTexts;

void CollectBox(const std::string& caption, const std::string& text) {
    BoxTexts.push_back(caption + ": " + text);
}

TEST(GeneratedPictures, EveryPictureLoads) {
    if (!std::filesystem::exists(KESTROVA_DATA_ARCHIVE)) GTEST_SKIP() << "no generated archive";
    InitIL();
    TTempDir program;
    TExtractor archive;
    archive.Open(KESTROVA_DATA_ARCHIVE);
    archive.SetBaseDirectory(program.Path());
    TExtractor* const savedExtractor = Extractor;
    const TMessageBoxFunction savedBox = ImageMessageBox;
    Extractor = &archive;
    ImageMessageBox = CollectBox;
    int pictures = 0;
    for (int i = 0; i < archive.EntryCount(); ++i) {
        const std::string path = program.Path() + archive.MemberName(i);
        if (ImageFormatOf(path) == TImageFormat::None) continue;
        ++pictures;
        TImage image;
        EXPECT_TRUE(LoadImage(path, image)) << archive.MemberName(i);
        EXPECT_GT(image.width, 0) << archive.MemberName(i);
    }
    Extractor = savedExtractor;
    ImageMessageBox = savedBox;
    EXPECT_GT(pictures, 100);
    EXPECT_TRUE(BoxTexts.empty()) << BoxTexts.front();
}

} // namespace
