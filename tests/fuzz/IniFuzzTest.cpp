// Damaged missions through the INI reader, the mission loader and the car generator it sets up:
// values or defaults or the game's error, never a crash, a hang, a read past the data or memory
// beyond the fuzz limits.
#include "core/Error.h"
#include "fuzz/Damage.h"
#include "resources/Extractor.h"
#include "support/FakeWorldAssets.h"
#include "support/ScratchProgram.h"
#include "world/CarGeneric.h"
#include "world/CarTypes.h"
#include "world/FakeRoad.h"
#include "world/IniFile.h"
#include "world/MissionLoader.h"

#include <cctype>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <vector>

namespace {

const std::string kIniAlphabet = "[]=;\"' \t\r\nabcAB_0x19-.,";

const std::string kMission =
    "[Player]\r\nHealth=1500\r\nUziBullets=0x10\r\nRockets=2\r\n[Mission]\r\nTime=90\r\n"
    "Weather=W_RAIN\r\n[Traffic]\r\nSpeed=30\r\nMaxCount=6\r\nCarTypesCount=3\r\n"
    "[CarType_0]\r\nCount=2\r\nCanSpawnBottom=TRUE\r\nSections=2\r\nSection_0_Begin=9\r\n"
    "Section_0_End=40\r\nSection_0_Min=3\r\nSection_0_Max=9\r\nSection_1_Bonus=BT_TIME\r\n"
    "Section_1_Begin=12\r\nSection_1_End=30\r\nSection_1_Min=2\r\nSection_1_Max=2\r\n"
    "[CarType_1]\r\nType=0\r\nSections=1\r\nSection_0_Begin=10\r\nSection_0_End=20\r\n"
    "Section_0_Min=1\r\nSection_0_Max=5\r\nSection_1_End=0x20\r\nSection_1_Max=4\r\n"
    "[CarType_2]\r\nSection_0_Begin=30\r\n";

// Values a damaged number may take: around the caps, at the ends of the integer range.
const char* const kNumbers[] = {"0",          "-1",         "999",         "1000",       "1001",
                                "2000000000", "0x7fffffff", "-2147483648", "2147483647", "0x80000000"};

// Replaces one number of `text` by one of kNumbers.
std::string WithDamagedNumber(std::mt19937& random, const std::string& text) {
    std::vector<size_t> starts;
    for (size_t at = 1; at < text.size(); ++at)
        if (text[at - 1] == '=' && (std::isdigit(static_cast<unsigned char>(text[at])) || text[at] == '-'))
            starts.push_back(at);
    if (starts.empty()) return text;
    const size_t start = starts[random() % starts.size()];
    const size_t end = text.find('\r', start);
    return text.substr(0, start) + kNumbers[random() % std::size(kNumbers)] + text.substr(end);
}

} // namespace

TEST(IniFuzz, DamagedMissionsLoadAndDriveOrFailWithTheGameError) {
    fuzzlimits::CapMemory();
    TScratchProgram program;
    TFakeWorldAssets assets;
    Weapons.assign(1, TWeapon());
    CarTypes.assign(1, TCarType());
    TFakeTrack road;
    TFakeTraffic traffic;
    traffic.maxCount = 6;
    TCarGeneric generator(traffic);
    generator.SetTrack(&road);
    std::mt19937 random(52);
    int driven = 0;
    for (int round = 0; round < 600; ++round) {
        // Odd rounds damage numbers only; the others any text, with the INI's own bytes or any bytes.
        const std::string text = round % 2   ? WithDamagedNumber(random, WithDamagedNumber(random, kMission))
                                 : round % 4 ? Damaged(random, kMission, Pieces(kIniAlphabet))
                                             : Damaged(random, kMission);
        TFuzzInput input("mission round " + std::to_string(round) + ":\n" + text);
        TMissionStage stage(assets);
        stage.Generator = &generator;
        try {
            LoadMission(program.Put("Data/Maps/Track1.cfg", text), stage);
        } catch (const EGameError&) {
            continue;
        }
        // The stage as the track and the traffic control would drive it.
        for (int block = 0; block < 60; ++block) {
            traffic.cars.clear(); // the traffic drives off
            generator.BlockPassed();
            for (int ask = 0; ask < 3; ++ask)
                generator.GenerateOne();
        }
        ++driven;
    }
    EXPECT_GT(driven, 100); // the damage must not always be fatal
    Weapons.clear();
    CarTypes.clear();
    Sections.clear();
}
