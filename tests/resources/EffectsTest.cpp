// Sprite effects: .eff files, the library cache, frame selection and particle life.
#include "resources/Effects.h"
#include "resources/EFF.h"
#include "resources/EffectLib.h"
#include "resources/Matrix.h"
#include "resources/ModelFiles.h"
#include "support/ExpectPoint.h"

#include <gtest/gtest.h>

namespace {

class EffectFilesTest : public TModelFilesTest {};

TEST_F(EffectFilesTest, FramesLieBesideTheFileAndEachNameLoadsOnce) {
    const std::string path = Write("fx/smoke.eff", CrLf({"50", "s1.png", "", "s3.png"}));
    TEffectLib library(textures_);
    const TSimpleEffect* effect = library.Load(path);
    EXPECT_EQ(effect->FrameTime(), 50);
    EXPECT_EQ(effect->FrameCount(), 3); // the empty line is a frame too
    EXPECT_EQ(textures_.loaded,
              (std::vector<std::string>{Path("fx/s1.png"), Path("fx/"), Path("fx/s3.png")}));
    EXPECT_EQ(library.Load(path), effect);
    EXPECT_EQ(library.EntryCount(), 1);
}

TEST_F(EffectFilesTest, EffectsThatCannotPickAFrameAreRejectedByName) {
    const std::string noFrames = Write("a.eff", CrLf({"100"}));
    EXPECT_EQ(ErrorOf([&] { ReadEffFile(noFrames); }), "Sprite effect \"" + noFrames + "\" has no frames");
    const std::string zero = Write("c.eff", CrLf({"0", "x.png"}));
    EXPECT_EQ(ErrorOf([&] { ReadEffFile(zero); }), "Sprite effect \"" + zero + "\" has a frame time of 0 ms");
    TEffectLib library(textures_);
    EXPECT_NE(ErrorOf([&] { library.Load(zero); }), "no error");
    EXPECT_EQ(library.EntryCount(), 0);
}

TEST(SimpleEffectTest, FrameFollowsAgeAndLoops) {
    const TSimpleEffect effect(100, {10, 11, 12, 13});
    EXPECT_EQ(effect.FrameTexture(-1), 10);
    EXPECT_EQ(effect.FrameTexture(399), 13);
    EXPECT_EQ(effect.FrameTexture(500), 11);
    EXPECT_EQ(TSimpleEffect(7).FrameTexture(12345), 7);
}

class EffectsTest : public ::testing::Test {
protected:
    TVector4 cameraAngles_ = MakeVector(0, -50, 180);
    TFakeTextures textures_;
    TEffects effects_{cameraAngles_, textures_};
    TSimpleEffect smoke_{100, {1, 2, 3, 4}};
};

TEST_F(EffectsTest, AgeLifeMotionAndColour) {
    const TVector4 wind = MakeVector(0, 2, 0);
    effects_.Add(&smoke_, MakeVector(0, 0, 0), false, &wind, false, MakeVector4(-1, 0, 1, 5),
                 MakeVector4(1, 0.5f, 0, 1), MakeVector(0, 0, -10), MakeVector(4, 0, 0), 2, 1000);
    effects_.Update(500);
    const TParticle& p = effects_.Particle(0);
    EXPECT_EQ(p.age, 0); // the first update only starts the clock
    EXPECT_EQ(p.life, 500);
    // Position moves by the velocity before the acceleration changes it.
    ExpectPoint(p.position, 2, 1, 0);
    ExpectPoint(p.velocity, 4, 0, -5);
    ExpectPoint(p.colour, 0.5f, 0.5f, 0.5f);
    EXPECT_EQ(p.colour.w, 1); // alpha does not change
    effects_.Update(100);
    EXPECT_EQ(effects_.Particle(0).age, 100);
    effects_.Update(400); // life 0 is over
    EXPECT_EQ(effects_.Count(), 0);
}

} // namespace
