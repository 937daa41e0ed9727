// The generated models: each loads through the model library with every node the game looks
// up, its animations fit its skeleton, and posing keeps the mesh finite and in a sane box.
#include "resources/HSAModel.h"
#include "resources/Skeleton.h"
#include "resources/TextureSource.h"
#include "support/Dialogs.h"
#include "support/GeneratedGame.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// Textures must exist in the archive; nothing is uploaded.
class TArchiveTextures : public TTextureSource {
public:
    int Load(const std::string& path) override {
        EXPECT_GE(Extractor->FindMember(path), 0) << path << " is not in the archive";
        return 1;
    }
    void Bind(int) override {}
};

bool FailQuestion(const std::string&, const std::string& text) {
    ADD_FAILURE() << "model check asked: " << text;
    return false;
}

const std::vector<std::string> kCarNodes = {"wheel_rb", "wheel_lb", "wheel_rt", "wheel_lt",
                                            "weapon",   "smoke",    "engine",   "light_lb",
                                            "light_lf", "light_rb", "light_rf"};
const std::vector<std::string> kPlayerNodes = {"wheel_rb",    "wheel_lb",    "wheel_rt",    "wheel_lt",
                                               "weapon",      "smoke",       "engine",      "hitbox_fbr",
                                               "hitbox_fbl",  "hitbox_bbl",  "hitbox_bbr",  "hitbox_front",
                                               "hitbox_back", "hitbox_left", "hitbox_right"};

struct TExpectedModel {
    std::string path;
    std::vector<std::string> nodes;
    float extent; // no vertex of any posed frame lies farther from the origin on any axis
};

std::vector<TExpectedModel> ExpectedModels() {
    std::vector<TExpectedModel> models = {
        {"Data\\Models\\Player\\Player.hsa", kPlayerNodes, 30},
        {"Data\\Models\\Gunner_pl\\gunner_gun.hsa", {"Flash"}, 3},
        {"Data\\Models\\Gunner_pl\\gunner_uzi.hsa", {"Flash"}, 3},
        {"Data\\Models\\Gunner_pl\\gunner_machinegun.hsa", {"Flash"}, 3},
        {"Data\\Objects\\rocket.hsa", {}, 2},
        {"Data\\Objects\\kusok.hsa", {}, 2},
        {"Data\\Objects\\ostov_01.hsa", {}, 5},
    };
    for (int i = 1; i <= 10; ++i)
        models.push_back(
            {"Data\\Models\\Cars\\Car_" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".hsa",
             kCarNodes, 5});
    for (const char* name :
         {"tree_pine", "tree_pine_snow", "tree_oak",     "tree_dead",       "bush",       "cactus",
          "lamp_post", "barrier",        "guardrail",    "fence",           "sign_speed", "sign_chevron",
          "house",     "building",       "tower",        "rock_large",      "rock_small", "rock_desert",
          "mesa",      "billboard",      "overpass_vl0", "overpass_sh_vl0", "gantry_vl0", "gantry_sh_vl0",
          "arch_vl1",  "water_tower",    "traffic_cone", "tyre_stack",      "snow_bank",  "oil_patch",
          "ice_patch"})
        models.push_back({std::string("Data\\Objects\\") + name + ".hsa", {}, 50});
    return models;
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

class GeneratedModels : public GeneratedArchive, public testing::WithParamInterface<TExpectedModel> {};

TEST_P(GeneratedModels, LoadsWithItsNodesAndPosesSanely) {
    const TExpectedModel& expected = GetParam();
    TModelLib library(textures_);
    THSAModel* model = library.Load(directory_ + expected.path, true);
    ASSERT_NE(model, nullptr);
    for (const std::string& node : expected.nodes)
        EXPECT_NO_THROW(model->FindNode(node)) << expected.path << " has no node " << node;
    ASSERT_GE(model->AnimationCount(), 1) << expected.path << " needs animation 0, which the game poses";

    TActor& actor = model->CurrentActor();
    ASSERT_FALSE(actor.textureGroups.empty());
    for (int a = 0; a < model->AnimationCount(); ++a) {
        const TAnimation& animation = *model->Animation(a);
        ASSERT_GE(animation.FrameCount(), 1) << expected.path << " animation " << a;
        for (int f = 0; f < animation.FrameCount(); ++f) {
            Pose(actor, animation, f);
            for (const TSMDTextureGroup& group : actor.textureGroups)
                for (const TMeshVertex& v : group.skinnedVertices)
                    for (float c : {v.position.x, v.position.y, v.position.z}) {
                        ASSERT_TRUE(std::isfinite(c))
                            << expected.path << " animation " << a << " frame " << f;
                        ASSERT_LE(std::fabs(c), expected.extent)
                            << expected.path << " animation " << a << " frame " << f;
                    }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, GeneratedModels, testing::ValuesIn(ExpectedModels()),
                         [](const testing::TestParamInfo<TExpectedModel>& info) {
                             std::string name =
                                 info.param.path.substr(info.param.path.find_last_of('\\') + 1);
                             name = name.substr(0, name.size() - 4);
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// The player's car is the one model the game plays a long animation of: about a hundred frames,
// one per 50 ms of dying time, that end with the parts at rest on the ground.
TEST_F(GeneratedArchive, PlayerCarBreaksUpOverAboutOneHundredFrames) {
    TModelLib library(textures_);
    THSAModel* player = library.Load(directory_ + "Data\\Models\\Player\\Player.hsa", true);
    ASSERT_GE(player->AnimationCount(), 2);
    EXPECT_EQ(player->Animation(0)->FrameCount(), 1);
    const TAnimation& breakUp = *player->Animation(1);
    EXPECT_GE(breakUp.FrameCount(), 90);
    EXPECT_LE(breakUp.FrameCount(), 110);
    EXPECT_EQ(breakUp.frameTime, 50);
    TActor& actor = player->CurrentActor();
    Pose(actor, breakUp, breakUp.FrameCount() - 1);
    float lowest = 1e9f;
    for (const TSMDTextureGroup& group : actor.textureGroups)
        for (const TMeshVertex& v : group.skinnedVertices)
            lowest = std::min(lowest, v.position.z);
    EXPECT_GT(lowest, -0.5f) << "a part sank through the road";
}

} // namespace
