// Random and damaged INI text through the reader and the mission loader: values or
// defaults, never a crash, a hang or a read past the data.
#include "core/Error.h"
#include "resources/Extractor.h"
#include "support/FakeWorldAssets.h"
#include "support/RandomText.h"
#include "support/ScratchProgram.h"
#include "world/CarGeneric.h"
#include "world/CarTypes.h"
#include "world/IniFile.h"
#include "world/MissionLoader.h"

#include <gtest/gtest.h>
#include <random>

namespace {

const std::string kIniAlphabet = "[]=;\"' \t\r\nabcAB_0x19-.,";

const std::string kMission = "[Player]\r\nHealth=1500\r\nUziBullets=0x10\r\n[Mission]\r\nTime=90\r\n"
                             "Weather=W_RAIN\r\n[Traffic]\r\nSpeed=30\r\nCarTypesCount=3\r\n"
                             "[CarType_0]\r\nCount=2\r\nSections=2\r\nSection_1_Bonus=BT_TIME\r\n"
                             "[CarType_1]\r\nType=0\r\nSections=1\r\n[CarType_2]\r\nSection_0_Begin=30\r\n";

} // namespace

TEST(IniFuzz, RandomTextReadsValuesOrDefaults) {
    std::mt19937 random(51);
    for (int round = 0; round < 2000; ++round) {
        const std::string text = RandomText(random, 300, round % 4 ? kIniAlphabet : "");
        const TIniFile ini(TBytes(text.begin(), text.end()));
        for (int probe = 0; probe < 5; ++probe) {
            const std::string section = RandomText(random, 3, "abAB_");
            const std::string key = RandomText(random, 3, "abAB_");
            ini.ReadString(section, key, "d");
            ini.ReadInteger(section, key, 7);
            ini.ReadFloat(section, key, 0.5f);
        }
    }
}

TEST(IniFuzz, DamagedMissionsLoadOrFailWithTheGameError) {
    TScratchProgram program;
    TFakeWorldAssets assets;
    Weapons.assign(1, TWeapon());
    CarTypes.assign(1, TCarType());
    std::mt19937 random(52);
    for (int round = 0; round < 300; ++round) {
        std::string text = kMission.substr(0, random() % (kMission.size() + 1));
        for (int flips = random() % 6; flips > 0 && !text.empty(); --flips)
            text[random() % text.size()] = kIniAlphabet[random() % kIniAlphabet.size()];
        TMissionStage stage(assets);
        try {
            LoadMission(program.Put("Data/Maps/Track1.cfg", text), stage);
        } catch (const EGameError&) {
        }
    }
    Weapons.clear();
    CarTypes.clear();
    Sections.clear();
}
