// Track block loading: collision boxes and their lookup, quads per texture, skipped faces,
// wheel probing and object contact.
#include "world/MapController.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/Log.h"
#include "resources/Matrix.h"
#include "world/BlockFiles.h"
#include "world/EnumNames.h"
#include "world/VehicleContact.h"

namespace {

class MapControllerTest : public TBlockFilesTest {
protected:
    TMapController& Load(const std::string& map, const std::string& collision = "") {
        block_ = std::make_unique<TMapController>(blockTextures_);
        block_->Load(WriteBlock("block", map, collision));
        return *block_;
    }
    std::unique_ptr<TMapController> block_;
};

// Two overlapping road-wide boxes (x -640 .. 640 map units, i.e. 12.5 world units each way).
const TBrushText kRoadBox{-640, -1024, -64, 640, 1024, 0, "COL_ROAD"};
const TBrushText kKillBox{0, 0, -64, 640, 1024, 0, "col_kill"};

} // namespace

TEST_F(MapControllerTest, BoxesAreEndlessPrismsAndTheHighestTypeWinsAtAPointAndUnderEachWheel) {
    for (const auto& boxes :
         {std::vector<TBrushText>{kRoadBox, kKillBox}, std::vector<TBrushText>{kKillBox, kRoadBox}}) {
        TMapController& block = Load(MapText({}), MapText(boxes));
        ASSERT_EQ(block.CollisionBoxes().size(), 2u);
        // Map (320, 512) is world (-6.25, -10).
        EXPECT_EQ(block.CollisionType({-6.25f, -10, 0, 0}, COL_MAINROAD), COL_KILL);
        EXPECT_EQ(block.CollisionType({6.25f, -10, 0, 0}, COL_MAINROAD), COL_ROAD);
        EXPECT_EQ(block.CollisionType({20, -10, 0, 0}, COL_MAINROAD), COL_MAINROAD);
    }
    TMapController& block = Load(MapText({}), MapText({kKillBox}));
    EXPECT_EQ(block.CollisionBoxes()[0].type, COL_KILL); // written in lower case
    EXPECT_EQ(block.CollisionType({-6.25f, -10, 500, 0}, COL_MAINROAD), COL_KILL);
    EXPECT_EQ(block.CollisionType({-6.25f, -10, -500, 0}, COL_MAINROAD), COL_KILL);
    // Exactly on the side plane x = 0 (map) is outside.
    EXPECT_EQ(block.CollisionType({0, -10, 0, 0}, COL_GRASS), COL_GRASS);
    EXPECT_EQ(block.CollisionType({-0.01f, -10, 0, 0}, COL_GRASS), COL_KILL);
    // A box of a lower type than the one passed in changes nothing.
    TMapController& road = Load(MapText({}), MapText({kRoadBox}));
    EXPECT_EQ(road.CollisionType({0, 0, 0, 0}, COL_NOCONTROL), COL_NOCONTROL);
    // A probe gives each wheel the highest type under it, at the block's offset.
    Load(MapText({}), MapText({kRoadBox, kKillBox}));
    TVehicleContact car;
    car.wheelPoints = {TVector4{-6, -50, 0, 0}, TVector4{6, -50, 0, 0}, TVector4{-6, -90, 0, 0},
                       TVector4{30, -50, 0, 0}};
    car.wheelTypes = {COL_MAINROAD, COL_MAINROAD, COL_MAINROAD, COL_BACK};
    block_->Probe({0, -40, 0, 0}, car); // block y -20 .. 0 lies at world -60 .. -40
    EXPECT_EQ(car.wheelTypes, (std::array<int, 4>{COL_KILL, COL_ROAD, COL_MAINROAD, COL_BACK}));
}

TEST_F(MapControllerTest, PassingOverBoxesByTheirStraightSidesGivesWhatEverySideTestGives) {
    // Over the road box, a box whose two x sides slant opposite ways (x 0..640 at y -2048, 200..300 at -512).
    std::string slanted = BrushText({0, -2048, -64, 640, -512, 0, "col_kill"});
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"( 640 -512 ", "( 300 -512 "},
                                   {"( 0 -512 ", "( 200 -512 "}})
        for (size_t at; (at = slanted.find(from)) != std::string::npos;) slanted.replace(at, from.size(), to);
    // With the road box, and alone: its slanting sides leave the block's x sides open.
    for (const std::string& boxes : {MapText({kRoadBox}), MapText({})}) {
        TMapController& block = Load(MapText({}), boxes.substr(0, boxes.size() - 2) + slanted + "}\n");
        std::vector<float> grid{INFINITY, -INFINITY, NAN}; // each corner's coordinate, and a hair either side
        for (const float map : {0, 640, -640, 200, 300, -512, -2048, 1024, -1024})
            for (const float world : {-map * 1.25f / 64, -map * 1.25f / 64 + 0.1f})
                grid.insert(grid.end(), {world, std::nextafter(world, -1e9f), std::nextafter(world, 1e9f)});
        int inside = 0;
        for (const float x : grid)
            for (const float y : grid) {
                int type = 0;
                for (const TCollisionBox& box : block.CollisionBoxes()) {
                    bool in = box.type > type;
                    for (int face = 2; face < 6 && in; ++face)
                        in = PlaneDistance(box.planes[face].normal, box.planes[face].point, {x, y, 0, 0}) > 0;
                    if (in) type = box.type;
                }
                EXPECT_EQ(block.CollisionType({x, y, 0, 0}, 0), type) << x << ", " << y;
                inside += type != 0;
            }
        EXPECT_GT(inside, 20);
    }
}

TEST_F(MapControllerTest, BrokenTextOrAnUnknownCollisionTypeStopsTheLoad) {
    TBrushText water = kRoadBox;
    water.texture = "col_water";
    const std::string road = MapText({{0, 0, 0, 64, 64, 64}});
    EXPECT_EQ(ErrorOf([&] { Load(road, MapText({water})); }), "Unknown collision type: COL_WATER");
    EXPECT_EQ(blockTextures_.sized, 1) << "a damaged texture's message comes before the error";
    EXPECT_EQ(ErrorOf([&] { Load(MapText({}) + "{ ( 1 2"); }), "'' is not a valid integer value");
    EXPECT_EQ(ErrorOf([&] { Load(MapText({}) + "( 0 0 99999 )"); }), "Map coordinate out of range: 99999");
}

TEST_F(MapControllerTest, TextureNamesDifferingInCaseMakeTwoGroups) {
    TMapController& block = Load(MapText({{0, 0, 0, 64, 64, 64, "Grass"},
                                          {64, 0, 0, 128, 64, 64, "grass"},
                                          {128, 0, 0, 192, 64, 64, "Grass"}}));
    ASSERT_EQ(block.TextureGroups().size(), 2u);
    EXPECT_EQ(block.TextureGroups()[0].name, "Grass");
    EXPECT_EQ(blockTextures_.loaded[0], Path("Data\\Textures\\Grass.jpg"));
    EXPECT_EQ(block.TextureGroups()[0].VertexCount(), 72);
    EXPECT_EQ(block.TextureGroups()[1].VertexCount(), 36);
}

TEST_F(MapControllerTest, FaceWithoutFourthCornerIsSkippedWithALogLine) {
    TLOgFile log(Path("log.txt"), true);
    TLOgFile* savedLog = Log;
    Log = &log;
    // A top face whose three points lie on no other face's corner plane... and no corner on its plane.
    std::string map = MapText({{0, 0, 0, 64, 64, 64}});
    const std::string top = "( 0 0 64 ) ( 0 64 64 ) ( 64 64 64 )";
    map.replace(map.find(top), top.size(), "( 0 0 99 ) ( 0 64 99 ) ( 64 64 99 )");
    TMapController& block = Load(map);
    Log = savedLog;
    EXPECT_EQ(block.TextureGroups()[0].VertexCount(), 30);
    EXPECT_NE(
        dir_.Read("log.txt").find("No fourth corner for face 1 (road) of a brush in " + Path("block.map")),
        std::string::npos);
}

TEST_F(MapControllerTest, TouchingAnObjectRespawnsTheCarOncePerBlock) {
    WriteObjectModel("rock", "2");
    WriteObjectModel("bush");
    const std::string entities = EntityText("OBJECT_SIMPLE", {{"Model", "rock"}, {"origin", "0 0 0"}}) +
                                 EntityText("OBJECT_SIMPLE", {{"Model", "rock"}, {"origin", "0 64 0"}}) +
                                 EntityText("OBJECT_SIMPLE", {{"Model", "bush"}, {"origin", "0 -640 0"}});
    TMapController& block = Load(MapText({}, entities));
    int hits = 0;
    TVehicleContact car;
    car.objectHit = [&] { ++hits; };
    // Both rocks (world y 0 and -1.25, offset by -40) are within 2 of a hit point.
    car.hitPoints = {TVector4{50, 50, 0, 0}, TVector4{0, -40.5f, 0, 0}, TVector4{}, TVector4{}};
    car.hitPoints[2] = car.hitPoints[3] = car.hitPoints[0];
    block.Probe({0, -40, 0, 0}, car);
    EXPECT_EQ(hits, 1);
    // Exactly at the radius is no touch; the bush (no radius file) never touches.
    car.hitPoints[1] = {0, -38, 0, 0};
    block.Probe({0, -40, 0, 0}, car);
    EXPECT_EQ(hits, 1);
    car.hitPoints[1] = {0, -40 + 12.5f, 0, 0};
    block.Probe({0, -40, 0, 0}, car);
    EXPECT_EQ(hits, 1);
}
