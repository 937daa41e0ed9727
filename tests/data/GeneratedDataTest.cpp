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

    // The samples, decoded by libsndfile from a copy on disk.
    std::vector<float> Samples(const std::string& path) {
        const TBytes bytes = Member(path);
        const std::string file = scratch_.Write("sound", std::string(bytes.begin(), bytes.end()));
        SF_INFO info{};
        SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
        EXPECT_NE(sound, nullptr) << path << ": " << sf_strerror(nullptr);
        if (!sound) return {};
        std::vector<float> samples(static_cast<size_t>(info.frames) * info.channels);
        EXPECT_EQ(sf_readf_float(sound, samples.data(), info.frames), info.frames) << path;
        sf_close(sound);
        return samples;
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

TEST_F(GeneratedData, EverySoundDecodesAndIsAudible) {
    int sounds = 0;
    for (int i = 0; i < game_->archive.EntryCount(); ++i) {
        const std::string name = game_->archive.MemberName(i);
        const std::string kind = name.substr(name.size() - 4);
        if (kind != ".ogg" && kind != ".wav" && kind != ".WAV") continue;
        ++sounds;
        float peak = 0;
        for (float sample : Samples(name))
            peak = std::max(peak, std::abs(sample));
        EXPECT_GT(peak, 0.3f) << name << " is nearly silent";
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
