// The generated models: each loads through the model library, its animations fit its skeleton,
// and posing keeps the mesh finite and in a sane box.
#include "data/ArchiveTextures.h"
#include "resources/HSAModel.h"
#include "resources/Skeleton.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

bool FailQuestion(const std::string&, const std::string& text) {
    ADD_FAILURE() << "model check asked: " << text;
    return false;
}

class GeneratedArchive : public testing::Test {
protected:
    void SetUp() override {
        if (!HaveGeneratedData())
            GTEST_SKIP() << "no " << KESTROVA_DATA_ARCHIVE << " (configure with KESTROVA_DATA=ON)";
        // The archive's folder is the program directory: the loose ".HB" files lie there.
        game_ = std::make_unique<TGeneratedGame>(directory_);
        questions_.emplace(nullptr, &FailQuestion);
    }

    const std::string directory_ = GeneratedDataDir();
    TArchiveTextures textures_;
    std::unique_ptr<TGeneratedGame> game_;
    std::optional<TDialogCatcher> questions_;
};

// Every model in the archive, posed at every frame of every animation: finite, and no vertex
// farther than a building's size from its origin.
TEST_F(GeneratedArchive, EveryModelLoadsAndPosesSanely) {
    TModelLib library(textures_);
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
