// Damaged block files through the block loader: the only outcomes are a loaded block or the
// game's error, and loading always ends.
#include <gtest/gtest.h>

#include "fuzz/Damage.h"
#include "world/BlockFiles.h"
#include "world/VehicleContact.h"

namespace {

class MapFuzz : public TBlockFilesTest {
protected:
    // Loads the block and, when that worked, uses what it built.
    void LoadOrFail(const std::string& map, const std::string& collision) {
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
    std::vector<std::string> pieces = Pieces("{}()[]\" \n-.0123456789_");
    pieces.insert(pieces.end(), {"classname", "COL_KILL", "origin"});
    FuzzReader(map, 200, [&](const std::string& damaged) { LoadOrFail(damaged, collision); }, pieces);
    FuzzReader(collision, 200, [&](const std::string& damaged) { LoadOrFail(map, damaged); }, pieces);
    EXPECT_GT(loaded, 20); // the damage must not always be fatal
}

