// Axis fix, root rule, bone space and posing, extra node transforms.
#include "resources/Skeleton.h"
#include "resources/HSAModel.h"
#include "resources/ModelFiles.h"
#include "support/ExpectPoint.h"

#include <gtest/gtest.h>

namespace {

constexpr float kHalfPi = 1.5707963f;

void ExpectSameMatrix(const TMatrix& a, const TMatrix& b) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(a[i], b[i], 1e-6f) << i;
}

class SkeletonTest : public TModelFilesTest {
protected:
    THSAModel& Load(const std::vector<std::string>& bindFrames,
                    const std::vector<std::string>& animationFrames, bool prepareSkinning) {
        Write("m.smd",
              Mesh(TwoNodes(), bindFrames, Join({Triangle("a.png", 0, 0), Triangle("a.png", 1, 2)})));
        std::vector<std::string> descriptor = {"m.smd"};
        if (!animationFrames.empty()) {
            Write("anim.smd",
                  CrLf(Join({{"version 1"}, TwoNodes(), {"skeleton"}, animationFrames, {"end"}})));
            descriptor.insert(descriptor.end(), {"anim.smd", "10"});
        }
        model_.Load(Write("m.hsa", CrLf(descriptor)), prepareSkinning);
        return model_;
    }
    THSAModel model_{textures_};
};

TEST_F(SkeletonTest, AxisFixTurnsRootAndSwapsPositionsOnlyWithinItsRange) {
    THSAModel& model = Load(TwoNodeFrame(0, "0 0 0 0 1.55 0 0", "1 1 2 3 0 0 0"),
                            TwoNodeFrame(0, "0 0 0 0 1.5707963 0 0", "1 4 5 6 0 0 0"), false);
    EXPECT_TRUE(model.AxisFix());
    const TFrame& bind = model.CurrentActor().bindPose.Frame(0);
    EXPECT_NEAR(bind[0].rotation.x, 1.55f - kHalfPi, 1e-6f);
    ExpectPoint(bind[1].position, 1, -3, 2);
    // Animation files read later keep the fix.
    const TFrame& animated = model.Animation(0)->Frame(0);
    EXPECT_NEAR(animated[0].rotation.x, 0, 1e-6f);
    ExpectPoint(animated[1].position, 4, -6, 5);

    // Outside its range there is no fix.
    THSAModel& plain = Load(TwoNodeFrame(0, "0 0 0 0 1.61 0 0", "1 1 2 3 0 0 0"), {}, false);
    EXPECT_FALSE(plain.AxisFix());
    ExpectPoint(plain.CurrentActor().bindPose.Frame(0)[1].position, 1, 2, 3);
}

TEST_F(SkeletonTest, RootMotionIsDiscarded) {
    THSAModel& model = Load(TwoNodeFrame(0, "0 0 0 1 0 0 0.5"), TwoNodeFrame(0, "0 5 5 5 0.3 0 0"), false);
    const TActor& actor = model.CurrentActor();
    const TFrame& bind = actor.bindPose.Frame(0);
    const TFrame& animated = model.Animation(0)->Frame(0);
    ExpectSameMatrix(animated[0].local, bind[0].local);
    ExpectSameMatrix(animated[1].world, bind[1].world);
    ExpectPoint(bind[0].position, 0, 0, 1); // the stored values stay as read
}

TEST_F(SkeletonTest, PoseFollowsTheFrameAndBringsHitBoxesAlong) {
    Write("m.HB", "1 1 1 1 1 0 2 2 0\r\n");
    Write("m.smd", Mesh(TwoNodes(), TwoNodeFrame(0), Join({Triangle("a.png", 1, 2)})));
    Write("anim.smd", CrLf(Join({{"version 1"},
                                 TwoNodes(),
                                 {"skeleton"},
                                 TwoNodeFrame(0),
                                 TwoNodeFrame(1, "0 0 0 0 0 0 0", "1 1 0 0 0 0 0"),
                                 {"end"}})));
    model_.Load(Write("m.hsa", CrLf({"m.smd", "m.HB", "anim.smd", "10"})), true);
    TActor& actor = model_.CurrentActor();
    TAnimation& animation = *model_.Animation(0);
    Pose(actor, animation, 1);
    EXPECT_EQ(actor.currentAnimation.serial, animation.serial);
    // Frame 1 straightens the arm: bone-space (0, -1, 0) -> Rz(0) + (1, 0, 0).
    ExpectPoint(actor.textureGroups[0].skinnedVertices[0].position, 1, -1, 0);
    // The box corner (1, 1, 0) on the arm: unturned, moved one along x.
    ExpectPoint(actor.hitBoxes[0].boxes[0].posed[0], 2, 1, 0);
    // The bind pose puts the prepared vertices back where they were loaded.
    Pose(actor, actor.bindPose, 0);
    ExpectPoint(actor.textureGroups[0].skinnedVertices[0].position, 2, 0, 0);
    ExpectPoint(actor.textureGroups[0].skinnedVertices[0].normal, 0, 0, 1);
    ExpectPoint(actor.hitBoxes[0].boxes[0].posed[0], 0, 1, 0);
    EXPECT_EQ(ErrorOf([&] { Pose(actor, animation, 2); }),
              "Frame 2 is outside the animation \"" + Path("anim.smd") + "\"");
}

TEST_F(SkeletonTest, NodeTransformCarriesToLaterNodesAndDoesNotAccumulate) {
    THSAModel& model = Load(TwoNodeFrame(0), TwoNodeFrame(0), false);
    const TActor& actor = model.CurrentActor();
    TAnimation& animation = *model.Animation(0);
    for (int call = 0; call < 2; ++call) {
        ApplyNodeTransform(actor, animation, 0, MakeVector(0, 0, 0), MakeVector(0, 0, kHalfPi), 0);
        const TFrame& frame = animation.Frame(0);
        ExpectPoint(TransformVector(frame[1].world, MakeVector4(0, 0, 0, 1)), 0, 1, 0);
    }
    // A transform of the arm starts from the root as it now is (still turned) and leaves it so.
    const TMatrix turnedRoot = animation.Frame(0)[0].world;
    ApplyNodeTransform(actor, animation, 0, MakeVector(0, 0, 3), MakeVector(0, 0, 0), 1);
    const TFrame& frame = animation.Frame(0);
    ExpectPoint(TransformVector(frame[1].world, MakeVector4(0, 0, 0, 1)), 0, 1, 3);
    ExpectSameMatrix(frame[0].world, turnedRoot);
    EXPECT_NE(ErrorOf([&] { ApplyNodeTransform(actor, animation, 0, {}, {}, 2); }), "no error");
}

} // namespace
