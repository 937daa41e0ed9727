// Damaged block files through the block loader: the only outcomes are a loaded block or the
// game's error, and loading always ends.
#include <gtest/gtest.h>

#include <random>

#include "support/FuzzLimits.h"
#include "world/BlockFiles.h"
#include "world/VehicleContact.h"

namespace {

class MapFuzz : public TBlockFilesTest {
protected:
    // Loads the block and, when that worked, uses what it built.
    void LoadOrFail(const std::string& map, const std::string& collision) {
        fuzzlimits::CapMemory();
        TFuzzInput input("block map:\n" + map);
        try {
            TMapController block(blockTextures_);
            block.Load(WriteBlock("fuzz", map, collision));
            TVehicleContact car;
            car.wheelPoints.fill({1, -40, 0, 0});
            block.Probe({0, -40, 0, 0}, car);
            for (int type : car.wheelTypes) {
                EXPECT_GE(type, 0);
                EXPECT_LE(type, 5);
            }
            ++loaded;
        } catch (const EGameError&) {
        }
    }
    int loaded = 0;
};

// Flips, drops, repeats and inserts bytes of `text`.
std::string Mutate(std::mt19937& random, std::string text) {
    const std::string alphabet = "{}()[]\" \n-.0123456789_classnameCOL_KILLorigin";
    const int edits = 1 + random() % 6;
    for (int i = 0; i < edits && !text.empty(); ++i) {
        const size_t at = random() % text.size();
        switch (random() % 4) {
        case 0: text[at] = alphabet[random() % alphabet.size()]; break;
        case 1: text.erase(at, 1 + random() % 20); break;
        case 2: text.insert(at, text.substr(at, random() % 40)); break;
        default: text.insert(at, 1, static_cast<char>(random())); break;
        }
    }
    return text;
}

} // namespace

TEST_F(MapFuzz, DamagedBlockFilesLoadOrFailWithTheGameError) {
    WriteObjectModel("rock", "1.5");
    const std::string entities =
        EntityText("OBJECT_SIMPLE", {{"Model", "rock"}, {"origin", "64 64 0"}, {"angles", "0 90 0"}}) +
        EntityText("EXIT_POINT", {{"point_id", "2"}, {"origin", "0 0 0"}}) +
        EntityText("SPAWN_POINT", {{"exit_id", "2"}, {"origin", "0 64 0"}}) +
        EntityText("ENTER_POINT", {{"point_id", "2"}, {"origin", "0 2048 0"}});
    const std::string map = MapText({{0, 0, 0, 64, 128, 32}, {64, 0, 0, 128, 64, 64, "grass"}}, entities);
    const std::string collision =
        MapText({{-640, 0, -64, 640, 640, 0, "COL_ROAD"}, {0, 0, -64, 64, 64, 0, "COL_KILL"}});
    std::mt19937 random(20261206);
    loaded = 0;
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        if (round % 2)
            LoadOrFail(Mutate(random, map), collision);
        else
            LoadOrFail(map, Mutate(random, collision));
    }
    EXPECT_GT(loaded, 20); // the damage must not always be fatal
}

