// Damaged, truncated and random model and hit-box files: every load either
// succeeds or raises EGameError (EUserAbort when a check is answered No); a crash, a read
// past a buffer or an endless loop fails here or under AddressSanitizer.
#include "fuzz/Damage.h"
#include "resources/HSAModel.h"
#include "resources/Matrix.h"
#include "resources/ModelFiles.h"
#include "resources/Skeleton.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const std::vector<std::string> kPieces = {
    "end", "time", "time 0", "\"", "-1", "999999", "1.5.5", "nan", "1e40", "version 2", "nodes", "skeleton",
    "triangles", "\r\n", "\r", "\n", " ", "0", "2147483647", "-2147483648", ".HB", std::string(1, '\0')};

class ModelFuzz : public TModelFilesTest {
protected:
    void SetUp() override {
        TModelFilesTest::SetUp();
        fuzzlimits::CapMemory();
        files_ = {
            {"m.smd", Mesh(TwoNodes(), Join({TwoNodeFrame(0), TwoNodeFrame(1)}),
                           Join({Triangle("a.png", 0), Triangle("a.png", 1, 2), Triangle("b.png", 1, 1)}))},
            {"anim.smd", CrLf(Join({{"version 1"},
                                    TwoNodes(),
                                    {"skeleton"},
                                    TwoNodeFrame(0),
                                    TwoNodeFrame(1, "0 1 1 1 0.2 0 0", "1 1 0 0 0 0 0.5"),
                                    {"end"}}))},
            {"m.HB", CrLf({"1 0 1.5 -1 -1 -1 1 1 1", "3 1 0,5 0 0 0 2 2 2"})},
            {"m.hsa", CrLf({"version 2", "1", "m.smd", "m.HB", "anim.smd", "25"})},
        };
    }

    // The files in a folder of their own (overwriting files is slow on some disks).
    std::string WriteAll(const std::string& folder, size_t damaged, const std::string& damage) {
        for (size_t i = 0; i < files_.size(); ++i)
            Write(folder + files_[i].first, i == damaged ? damage : files_[i].second);
        return Path(folder + "m.hsa");
    }

    // Loads the model and uses it the way the game does.
    void Exercise(const std::string& descriptor) {
        THSAModel model(textures_);
        model.Load(descriptor, true);
        TActor& actor = model.CurrentActor();
        Pose(actor, actor.bindPose, 0);
        for (int i = 0; i < model.AnimationCount(); ++i) {
            TAnimation& animation = *model.Animation(i);
            for (int frame = 0; frame < animation.FrameCount(); ++frame) {
                ApplyNodeTransform(actor, animation, frame, MakeVector(0, 0, 1), MakeVector(0, 0, 1),
                                   actor.NodeCount() - 1);
                Pose(actor, animation, frame);
            }
        }
        model.FindNode("root");
    }

    std::vector<std::pair<std::string, std::string>> files_;
};

TEST_F(ModelFuzz, TheUndamagedFilesLoad) {
    Exercise(WriteAll("", files_.size(), ""));
    EXPECT_TRUE(Questions().empty());
}

TEST_F(ModelFuzz, DamagedFilesGiveErrorsNotCrashes) {
    std::mt19937 answers(20240611);
    for (size_t damaged = 0; damaged < files_.size(); ++damaged) {
        int round = 0;
        FuzzReader(
            files_[damaged].second, 100,
            [&](const std::string& damage) {
                const std::string folder = std::to_string(damaged) + "/" + std::to_string(round++) + "/";
                Answer() = answers() % 4 != 0;
                ErrorOf([&] { Exercise(WriteAll(folder, damaged, damage)); });
            },
            kPieces);
    }
}

} // namespace
