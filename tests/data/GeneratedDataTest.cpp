// The generated Data.dpg: every picture and sound in it decodes, and the pictures whose look the
// game's layout depends on (pointer tip, help bands, loading views) have it.
#include "resources/OpenIL.h"
#include "resources/Textures.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "support/TestFiles.h"

#include "datagen/StageWorlds.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sndfile.h>
#include <string>
#include <vector>

namespace {

struct TPicture {
    int width = 0, height = 0, bytesPerPixel = 0;
    std::vector<uint8_t> pixels; // rows in the order the game uploads them (texture t = 0 first)
    uint8_t Alpha(int x, int y) const {
        return pixels[(static_cast<size_t>(y) * width + x) * bytesPerPixel + 3];
    }
};

struct TSound {
    int frames = 0, rate = 0, channels = 0, format = 0;
    std::vector<float> samples;
};

class GeneratedData : public testing::Test {
protected:
    static void SetUpTestSuite() { InitIL(); }

    void SetUp() override {
        if (!HaveGeneratedData())
            GTEST_SKIP() << "no " << KESTROVA_DATA_ARCHIVE << " (configure with KESTROVA_DATA=ON)";
        game_ = std::make_unique<TGeneratedGame>(program_.Path());
        boxes_.emplace([](const std::string& caption, const std::string& text) {
            ADD_FAILURE() << caption << ": " << text;
        });
    }

    void TearDown() override { boxes_.reset(); }

    TBytes Member(const std::string& path) {
        const int index = game_->archive.FindMember(program_.Path() + path);
        EXPECT_GE(index, 0) << path << " is not in the archive";
        return index < 0 ? TBytes() : game_->archive.ReadMember(index);
    }

    // Decoded by the game's own loaders, rows in the order the game uploads them.
    TPicture Picture(const std::string& path) {
        TPicture p;
        TImage image;
        if (!LoadImage(program_.Path() + path, image)) {
            ADD_FAILURE() << path << " does not decode";
            return p;
        }
        p.width = image.width;
        p.height = image.height;
        p.bytesPerPixel = image.components;
        p.pixels = image.pixels;
        return p;
    }

    // Decoded by libsndfile from a copy on disk.
    TSound Audio(const std::string& path) {
        TSound s;
        const TBytes bytes = Member(path);
        const std::string file = program_.Write("sound", std::string(bytes.begin(), bytes.end()));
        SF_INFO info{};
        SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
        EXPECT_NE(sound, nullptr) << path << ": " << sf_strerror(nullptr);
        if (!sound) return s;
        s = {static_cast<int>(info.frames), info.samplerate, info.channels, info.format, {}};
        s.samples.resize(static_cast<size_t>(info.frames) * info.channels);
        EXPECT_EQ(sf_readf_float(sound, s.samples.data(), info.frames), info.frames) << path;
        sf_close(sound);
        return s;
    }

    TTempDir program_;
    std::unique_ptr<TGeneratedGame> game_;
    std::optional<TDialogCatcher> boxes_;
};

TEST_F(GeneratedData, PointerTipIsAtTheTopLeftAsTheMenuDrawsIt) {
    // The menu draws the pointer with texture (0, 0) at its lower-left corner, so the tip (the
    // picture's upper-left on screen) must be in the last rows the game uploads.
    for (const char* path : {"Data\\Menu\\Cursor_out.png", "Data\\Menu\\Cursor_in.png"}) {
        const TPicture p = Picture(path);
        ASSERT_EQ(p.height, 64) << path;
        EXPECT_GT(p.Alpha(5, 64 - 8), 200) << path << ": tip not at the top-left on screen";
        EXPECT_LT(p.Alpha(40, 5), 10) << path << ": picture upside down";
    }
}

TEST_F(GeneratedData, HelpPicturesLeaveTheTitleAndButtonBandsClear) {
    // Drawn pixel for pixel over the help window: the game prints the title at rows 38..57 and
    // the buttons at rows 263..293 of the picture's 415 x 315 area.
    for (int i = 1; i <= 8; ++i) {
        const std::string path = "Data\\Menu\\Help" + std::to_string(i) + ".png";
        const TPicture p = Picture(path);
        ASSERT_EQ(p.width, 512) << path;
        ASSERT_EQ(p.height, 512) << path;
        ASSERT_EQ(p.bytesPerPixel, 4) << path;
        int covered = 0, content = 0;
        for (int y = 0; y < 315; ++y)
            for (int x = 0; x < 415; ++x) {
                const bool band = (y >= 36 && y <= 58) || (y >= 262 && y <= 294);
                if (band && p.Alpha(x, y) > 0) ++covered;
                if (!band && p.Alpha(x, y) > 200) ++content;
            }
        EXPECT_EQ(covered, 0) << path;
        EXPECT_GT(content, 415 * 100) << path << " shows little";
    }
}

TEST_F(GeneratedData, EveryPictureInTheArchiveDecodesWithoutABox) {
    int pictures = 0;
    for (int i = 0; i < game_->archive.EntryCount(); ++i)
        if (ImageFormatOf(program_.Path() + game_->archive.MemberName(i)) != TImageFormat::None) {
            ++pictures;
            Picture(game_->archive.MemberName(i));
        }
    EXPECT_GT(pictures, 100);
}

// One view per world: the stages of one block set and weather share their loading picture's
// view (the band between the titles and the "Press any key..." line), the others differ in it.
TEST_F(GeneratedData, LoadingPicturesShowTheWorldOfTheirStage) {
    std::vector<TPicture> pictures;
    for (int stage = 1; stage <= 15; ++stage)
        pictures.push_back(Picture("Data\\Maps\\Loading_Level" + std::to_string(stage) + ".jpg"));
    const auto difference = [](const TPicture& a, const TPicture& b) {
        double sum = 0;
        const size_t from = 230 * 1024 * 4, to = 450 * 1024 * 4; // rows 317 .. 537 from the top
        for (size_t i = from; i < to; ++i)
            sum += std::abs(a.pixels[i] - b.pixels[i]);
        return sum / (to - from);
    };
    ASSERT_EQ(std::size(kStageWorlds), pictures.size());
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            ASSERT_EQ(pictures[i].pixels.size(), 1024u * 768 * 4);
            const double d = difference(pictures[i], pictures[j]);
            if (kStageWorlds[i].SameLook(kStageWorlds[j])) {
                EXPECT_LT(d, 0.5) << "stages " << i + 1 << ", " << j + 1;
            } else {
                EXPECT_GT(d, 5) << "stages " << i + 1 << ", " << j + 1;
            }
        }
}

float Peak(const std::vector<float>& samples) {
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

// Effects are short 16-bit WAVs, the music stereo Ogg Vorbis loops of one to two minutes; both audible.
TEST_F(GeneratedData, EverySoundIsAnAudibleEffectOrMusicLoop) {
    int sounds = 0;
    for (int i = 0; i < game_->archive.EntryCount(); ++i) {
        const std::string name = game_->archive.MemberName(i);
        const std::string kind = name.substr(name.size() - 4);
        const bool music = kind == ".ogg";
        if (!music && kind != ".wav" && kind != ".WAV") continue;
        ++sounds;
        const TSound s = Audio(name);
        ASSERT_GT(s.rate, 0) << name;
        if (music) {
            EXPECT_EQ(s.format, SF_FORMAT_OGG | SF_FORMAT_VORBIS) << name;
            EXPECT_EQ(s.channels, 2) << name;
            EXPECT_GE(s.frames, s.rate * 60) << name;
            EXPECT_LE(s.frames, s.rate * 120) << name;
        } else {
            EXPECT_EQ(s.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << name;
            EXPECT_GT(s.frames, s.rate / 100) << name;
            EXPECT_LT(s.frames, s.rate * 3) << name << " is too long for an effect";
        }
        EXPECT_GT(Peak(s.samples), music ? 0.5f : 0.3f) << name << " is nearly silent";
    }
    EXPECT_GT(sounds, 20);
}

} // namespace
