// The generated Data.dpg: every picture and sound in it decodes, every sound is audible, and
// every model loads and poses sanely.
#include "data/ArchiveTextures.h"
#include "resources/HSAModel.h"
#include "resources/OpenIL.h"
#include "resources/Skeleton.h"
#include "resources/Textures.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"
#include "support/TestFiles.h"

#include <cmath>
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
        // The archive's folder is the program directory: the loose ".HB" files lie there.
        game_ = std::make_unique<TGeneratedGame>(directory_);
        boxes_.emplace(
            [](const std::string& caption, const std::string& text) { ADD_FAILURE() << caption << ": " << text; },
            [](const std::string& caption, const std::string& text) {
                ADD_FAILURE() << caption << ": " << text;
                return false;
            });
    }

    void TearDown() override { boxes_.reset(); }

    TBytes Member(const std::string& path) {
        const int index = game_->archive.FindMember(directory_ + path);
        EXPECT_GE(index, 0) << path << " is not in the archive";
        return index < 0 ? TBytes() : game_->archive.ReadMember(index);
    }

    // Decoded by libsndfile from a copy on disk.
    TSound Audio(const std::string& path) {
        TSound s;
        const TBytes bytes = Member(path);
        const std::string file = scratch_.Write("sound", std::string(bytes.begin(), bytes.end()));
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

    const std::string directory_ = GeneratedDataDir();
    TTempDir scratch_;
    std::unique_ptr<TGeneratedGame> game_;
    std::optional<TDialogCatcher> boxes_;
};

TEST_F(GeneratedData, EveryPictureInTheArchiveDecodesWithoutABox) {
    int pictures = 0;
    for (int i = 0; i < game_->archive.EntryCount(); ++i)
        if (ImageFormatOf(directory_ + game_->archive.MemberName(i)) != TImageFormat::None) {
            ++pictures;
            TImage image;
            EXPECT_TRUE(LoadImage(directory_ + game_->archive.MemberName(i), image))
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

// Every model in the archive, posed at every frame of every animation: finite, and no vertex
// farther than a building's size from its origin.
TEST_F(GeneratedData, EveryModelLoadsAndPosesSanely) {
    TArchiveTextures textures;
    TModelLib library(textures);
    int models = 0;
    for (int i = 0; i < game_->archive.EntryCount(); ++i) {
        const std::string path = game_->archive.MemberName(i);
        if (path.size() < 4 || path.substr(path.size() - 4) != ".hsa") continue;
        ++models;
        THSAModel* model = library.Load(directory_ + path, true);
        ASSERT_NE(model, nullptr) << path;
        ASSERT_GE(model->AnimationCount(), 1) << path << " needs animation 0, which the game poses";
        TActor& actor = model->CurrentActor();
        ASSERT_FALSE(actor.textureGroups.empty()) << path;
        for (int a = 0; a < model->AnimationCount(); ++a) {
            const TAnimation& animation = *model->Animation(a);
            ASSERT_GE(animation.FrameCount(), 1) << path << " animation " << a;
            for (int f = 0; f < animation.FrameCount(); ++f) {
                Pose(actor, animation, f);
                for (const TSMDTextureGroup& group : actor.textureGroups)
                    for (const TMeshVertex& v : group.skinnedVertices)
                        for (float c : {v.position.x, v.position.y, v.position.z})
                            ASSERT_TRUE(std::isfinite(c) && std::fabs(c) <= 50)
                                << path << " animation " << a << " frame " << f;
            }
        }
    }
    EXPECT_GT(models, 40);
}

} // namespace
