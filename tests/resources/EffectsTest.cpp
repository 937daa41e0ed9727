// Sprite effects: .eff files, the library cache and frame selection.
#include "resources/EFF.h"
#include "resources/EffectLib.h"
#include "resources/ModelFiles.h"
#include "resources/SimpleEffect.h"

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

} // namespace
