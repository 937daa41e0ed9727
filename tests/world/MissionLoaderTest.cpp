// Mission files: defaults, reading order, the finish marker section, the work record
// reused between car types, and the rejected Type and Weapon indices.
#include "world/MissionLoader.h"
#include "resources/DataPath.h"
#include "resources/Extractor.h"
#include "settings/Configure.h"
#include "support/ErrorOf.h"
#include "support/FakeWorldAssets.h"
#include "support/ScratchProgram.h"
#include "world/BonusTypes.h"
#include "world/CarGeneric.h"
#include "world/CarTypes.h"
#include "world/EnumNames.h"
#include "world/FakeRoad.h"
#include "world/MissionValues.h"

#include <gtest/gtest.h>

namespace {

class MissionLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        stage_.Generator = &generator_;
        stage_.Weather = &weather_;
        stage_.RedrawLoadingScreen = [this] { calls_.push_back("redraw"); };
        stage_.CreateTrack = [this](const std::string& file) { calls_.push_back("track " + file); };
        stage_.LoadSequence = [this](const std::string& file) { calls_.push_back("sequence " + file); };
        stage_.SetTrackLength = [this](int length) { calls_.push_back("length " + std::to_string(length)); };
        stage_.ResetStage = [this] { calls_.push_back("reset"); };
        Weapons.assign(2, TWeapon());
        CarTypes.assign(3, TCarType());
        CarTypes[2].Health = 700;
        CarTypes[2].Models = {assets_.LoadModel("global car")};
        CarTypes[2].ModelCount = 1;
    }
    void TearDown() override {
        Config = nullptr;
        Weapons.clear();
        CarTypes.clear();
        Sections.clear();
        MissionValues = TMissionValues();
    }
    void Load(const std::string& text) { LoadMission(program_.Put("Data/Maps/Track1.cfg", text), stage_); }
    std::string LoadError(const std::string& text) {
        return ErrorOf([&] { Load(text); });
    }

    TScratchProgram program_;
    TFakeWorldAssets assets_;
    TFakeTraffic traffic_;
    TCarGeneric generator_{traffic_};
    TWeather weather_{nullptr, nullptr};
    TMissionStage stage_{assets_};
    std::vector<std::string> calls_;
};

} // namespace

TEST_F(MissionLoaderTest, AnEmptyMissionGivesTheDefaults) {
    weather_.SetKind(W_RAIN);
    weather_.SetFog(true);
    MissionValues.Music = 5;
    SpecMission.NeutralAlive = SpecMission.FriendLosses = 2; // as the stage before left them
    Sections.resize(3);
    Load("[main]\n");
    const TMissionValues& v = MissionValues;
    EXPECT_EQ(v.Health, 1000);
    EXPECT_EQ(v.UziBullets + v.MachinegunBullets + v.ShotgunBullets + v.BazookaBullets + v.Rockets, 0);
    EXPECT_FALSE(SpecMission.Enabled);
    EXPECT_EQ(SpecMission.NeutralAlive + SpecMission.FriendLosses, 0);
    EXPECT_EQ(v.TimeLeft, 10000000);
    EXPECT_EQ(MissionValues.Music, 0);
    EXPECT_EQ(weather_.Kind(), W_NONE);
    EXPECT_FALSE(weather_.FogEnabled());
    // CarTypesCount 0 reads the finish from [CarType_-1].
    EXPECT_EQ(v.Finish, 0);
    EXPECT_TRUE(Sections.empty());
    EXPECT_EQ(generator_.CurrentBlock(), 8);
    EXPECT_TRUE(v.GameInProgress);
    EXPECT_EQ(calls_, (std::vector<std::string>{"redraw", "redraw",
                                                "track " + ProgramDir + "Data\\Maps\\grass\\main.trk",
                                                "length 10", "reset"}));
}

TEST_F(MissionLoaderTest, AFullMission) {
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Uzi = 10;
    config.Players[0].Rockets = 2;
    Config = &config;
    Load("[Player]\nHealth=1500\nUziBullets=100\nRockets=3\n"
         "[Mission]\nBlocks=desert\nTrackFile=desert\\seq1.trk\nTime=90\nMusic=stage1.ogg\n"
         "Weather=W_SNOW\nWeatherY=-50\nFog=YES\nFogDensity=20\n"
         "[Traffic]\nSpeed=35\nCarTypesCount=4\n"
         "[CarType_0]\nCount=2\nCar_0=Data\\Models\\Cars\\A.hsa\nCar_1=Data\\Models\\Cars\\B.hsa\n"
         "AttackType=AT_TARGET\nSections=1\nSection_0_Max=4\nSection_1_Bonus=BT_SHIELD\n"
         "[CarType_1]\nCount=1\nAttackType=nonsense\nWeapon=-1\n"
         "[CarType_2]\nType=2\nHealth=50\nSpecialMission=SM_NEUTRAL\n"
         "[CarType_3]\nSection_0_Begin=42\n");
    const TMissionValues& v = MissionValues;
    // The profile's rounds come on top of the stage's.
    EXPECT_EQ(v.UziBullets, 110);
    EXPECT_EQ(v.Rockets, 5);
    EXPECT_EQ(v.TimeLeft, 90000);
    EXPECT_TRUE(assets_.soundLooping.back());
    EXPECT_EQ(weather_.drift.y, -0.5f);
    EXPECT_EQ(weather_.fogDensity, 0.02f);
    EXPECT_EQ(v.Finish, 42);
    EXPECT_EQ(calls_[2], "track " + ProgramDir + "Data\\Maps\\desert\\main.trk");
    EXPECT_EQ(calls_[3], "sequence " + ProgramDir + "Data\\Maps\\desert\\seq1.trk");

    ASSERT_EQ(Sections.size(), 4u);
    const TSection& first = Sections[0];
    EXPECT_EQ(first.Max, 4);
    EXPECT_EQ(first.CarType.Models[1], assets_.Model(ProgramDir + "Data\\Models\\Cars\\B.hsa"));
    EXPECT_EQ(first.CarType.MaxSpeed, 35);
    EXPECT_EQ(Sections[1].CarType.BonusType, BT_SHIELD);
    // Unmatched text keeps the previous car type's value.
    EXPECT_EQ(Sections[2].CarType.AttackType, AT_TARGET);
    EXPECT_EQ(Sections[2].CarType.Weapon, NO_WEAPON);
    EXPECT_EQ(Sections[2].CarType.Models[0], assets_.Model(ProgramDir + "Data\\Models\\Cars\\Car_01.hsa"));
    // A global type wins over the section's own values.
    EXPECT_EQ(Sections[3].CarType.Health, 700);
    EXPECT_EQ(Sections[3].CarType.SpecialKind, SM_NEUTRAL);
    EXPECT_EQ(SpecMission.NeutralAlive, 0);
}

TEST_F(MissionLoaderTest, FinishMarkerAndSectionCounts) {
    weather_.SetKind(W_RAIN);
    Load("[Mission]\nWeather=w_snow\n[Traffic]\nCarTypesCount=1\n[CarType_0]\nSection_0_Begin=25\nCount=1\n");
    EXPECT_EQ(MissionValues.Finish, 25);
    EXPECT_TRUE(Sections.empty());
    // Unmatched weather text keeps the kind.
    EXPECT_EQ(weather_.Kind(), W_RAIN);

    // Count 0 adds nothing; Sections=0 gives exactly one section.
    Load("[Traffic]\nCarTypesCount=3\n[CarType_0]\nCount=0\n[CarType_1]\nCount=1\nSections=0\n");
    EXPECT_EQ(Sections.size(), 1u);
}

TEST_F(MissionLoaderTest, ValuesOutsideTheirRangesAndDamagedCountsAreRefused) {
    const std::string file = ProgramDir + "Data\\Maps\\Track1.cfg";
    const std::pair<const char*, std::string> cases[] = {
        {"[Traffic]\nCarTypesCount=3\n[CarType_1]\nType=3\n",
         "[CarType_1]: Type 3 is not among the 3 car types"},
        {"[Traffic]\nCarTypesCount=2\n[CarType_0]\nType=van\n", "[CarType_0]: Type 'van' is not a number"},
        {"[Traffic]\nCarTypesCount=2\n[CarType_0]\nCount=1\nWeapon=2\n",
         "[CarType_0]: Weapon 2 is not in the weapon list of 2"},
        {"[Player]\nMaxSpeed=40\nMinSpeed=50\n", "[Player]: MaxSpeed 40 is below MinSpeed 50"},
        // Counts no stage needs are damage, not a reason to run out of time or memory.
        {"[Traffic]\nCarTypesCount=2\n[CarType_0]\nCount=0x7fffffff\n",
         "[CarType_0]: Count 2147483647 is too many"},
        {"[Traffic]\nCarTypesCount=-1\n", "[Traffic]: CarTypesCount -1 is below 0"},
        {"[Traffic]\nCarTypesCount=2\n[CarType_0]\nType=1\nSections=1\nSection_1_Max=2000000000\n",
         "[CarType_0]: Section_1_Max 2000000000 is too many"},
        {"[Traffic]\nCarTypesCount=2\n[CarType_0]\nCount=1\nSection_0_Min=-1\n",
         "[CarType_0]: Section_0_Min -1 is below 0"},
        {"[Player]\nRockets=2147483647\n", "[Player]: Rockets 2147483647 is too many"},
        // Each car type within its cap, the stage as a whole beyond it.
        {"[Traffic]\nCarTypesCount=3\n[CarType_0]\nType=1\nSections=600\n"
         "[CarType_1]\nCount=1\nSections=600\n",
         "[CarType_1]: Sections 600 is too many: the stage would have more than 1000 sections"},
    };
    for (const auto& [text, refusal] : cases)
        EXPECT_EQ(LoadError(text), "Mission " + file + " " + refusal);
    EXPECT_EQ(LoadError("[Player]\nMaxSpeed=50\nMinSpeed=50\n"), "no error");
    // A global car type brings its own weapon, so the one written beside Type is never used.
    EXPECT_EQ(LoadError("[Traffic]\nCarTypesCount=2\n[CarType_0]\nType=1\nWeapon=2\n"), "no error");
    EXPECT_EQ(Sections.at(0).CarType.Weapon, CarTypes[1].Weapon);

    // The largest values still load; a profile's hoard does not wrap the stage's ammunition.
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Uzi = 2147483647;
    Config = &config;
    EXPECT_EQ(LoadError("[Player]\nUziBullets=1000000\n[Traffic]\nCarTypesCount=2\n[CarType_0]\nType=1\n"
                        "Section_0_Begin=-2147483648\nSection_0_End=2147483647\nSection_0_Min=1000\n"
                        "Section_0_Max=1000\n"),
              "no error");
    EXPECT_EQ(MissionValues.UziBullets, 2147483647);
    ASSERT_EQ(Sections.size(), 1u);
    EXPECT_EQ(Sections[0].Min, 1000);
}
