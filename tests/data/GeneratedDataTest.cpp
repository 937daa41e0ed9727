// The generated Data.dpg: every picture and sound in it decodes, and every sound is audible.
#include "resources/OpenIL.h"
#include "resources/Textures.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sndfile.h>
#include <string>
#include <vector>

namespace {

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

TEST_F(GeneratedData, EveryPictureInTheArchiveDecodesWithoutABox) {
    int pictures = 0;
    for (int i = 0; i < game_->archive.EntryCount(); ++i)
        if (ImageFormatOf(program_.Path() + game_->archive.MemberName(i)) != TImageFormat::None) {
            ++pictures;
            TImage image;
            EXPECT_TRUE(LoadImage(program_.Path() + game_->archive.MemberName(i), image))
                << game_->archive.MemberName(i) << " does not decode";
        }
    EXPECT_GT(pictures, 100);
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
