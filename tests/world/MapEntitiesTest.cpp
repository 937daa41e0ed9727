// Block entities: scene objects with layers, radii and angles; exit, enter and spawn points
// with their checks; unknown keys.
#include <gtest/gtest.h>

#include <cmath>

#include "world/BlockFiles.h"

namespace {

constexpr float kDegree = static_cast<float>(M_PI) / 180;

class MapEntitiesTest : public TBlockFilesTest {
protected:
    TMapController& Load(const std::string& entities) {
        block_ = std::make_unique<TMapController>(blockTextures_);
        block_->Load(WriteBlock("block", MapText({{0, 0, 0, 64, 64, 64}}, entities)));
        return *block_;
    }
    std::string LoadError(const std::string& entities) {
        return ErrorOf([&] { Load(entities); });
    }
    static std::string Point(const std::string& kind, const std::string& idKey, const std::string& id,
                             const std::string& origin = "0 0 0") {
        return EntityText(kind, {{idKey, id}, {"origin", origin}});
    }
    std::unique_ptr<TMapController> block_;
};

} // namespace

TEST_F(MapEntitiesTest, ExitPointsDefineLanesAtAFixedYAndAddSpawnPoints) {
    TMapController& block = Load(
        Point("exit_point", "point_id", "1", "64 4096 32") + Point("EXIT_POINT", "point_id", "2") +
        Point("SPAWN_POINT", "exit_id", "2", "0 -640 0") + Point("Enter_Point", "point_id", "6", "-128 0 0"));
    EXPECT_TRUE(block.ExitPoint(1).defined);
    EXPECT_TRUE(block.ExitPoint(2).defined);
    EXPECT_FALSE(block.ExitPoint(3).defined);
    EXPECT_FALSE(block.ExitPoint(0).defined);
    EXPECT_FALSE(block.ExitPoint(7).defined);
    EXPECT_FLOAT_EQ(block.ExitPoint(1).position.x, -64 * W);
    EXPECT_FLOAT_EQ(block.ExitPoint(1).position.y, -32.5f); // not -80
    EXPECT_FLOAT_EQ(block.ExitPoint(1).position.z, 32 * W);
    ASSERT_EQ(block.SpawnPoints().size(), 3u);
    EXPECT_EQ(block.SpawnPoints()[0].exitId, 1);
    EXPECT_FLOAT_EQ(block.SpawnPoints()[0].position.y, -32.5f);
    EXPECT_EQ(block.SpawnPoints()[2].exitId, 2);
    EXPECT_FLOAT_EQ(block.SpawnPoints()[2].position.y, 12.5f);
    EXPECT_TRUE(block.EnterPoint(6).defined);
    EXPECT_FLOAT_EQ(block.EnterPoint(6).position.x, 2.5f);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MapEntitiesTest, SpawnPointOfAMissingExitIsReportedOnceEachAndKept) {
    TMapController& block = Load(Point("EXIT_POINT", "point_id", "1") + Point("SPAWN_POINT", "exit_id", "3") +
                                 Point("SPAWN_POINT", "exit_id", "4") + Point("SPAWN_POINT", "exit_id", "1"));
    EXPECT_EQ(block.SpawnPoints().size(), 4u);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Error in spawn point. File \"" + Path("block") + "\"   Spawn Point ExitID3",
                              "Error in spawn point. File \"" + Path("block") + "\"   Spawn Point ExitID4"}));
}

TEST_F(MapEntitiesTest, BadLaneIdsKeysAndObjectsStopTheLoad) {
    const std::string lane = "Unknown exit ID for Spawn point." + Path("block.map");
    WriteObjectModel("bad");
    Write("Data/Objects/bad.col", "wide\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {Point("ENTER_POINT", "point_id", "-1"), lane},
        {EntityText("EXIT_POINT", {{"origin", "0 0 0"}}), lane},
        {Point("EXIT_POINT", "point_id", "7"), lane},
        {Point("SPAWN_POINT", "exit_id", "0"), lane},
        {Point("SPAWN_POINT", "exit_id", "2.5"), "'2.5' is not a valid integer value"},
        // Keys are case-sensitive.
        {EntityText("EXIT_POINT", {{"point_id", "1"}, {"Origin", "0 0 0"}}), "Unknown value: Origin"},
        {EntityText("OBJECT_SIMPLE", {{"model", "rock"}}), "Unknown value: model"},
        {Point("EXIT_POINT", "point_id", "1", "0  0 0"), "'' is not a valid floating point value"},
        {EntityText("OBJECT_SIMPLE", {{"origin", "0 0 0"}}),
         "OBJECT_SIMPLE without Model in " + Path("block.map")},
        {EntityText("OBJECT_SIMPLE", {{"Model", "lamp_vlx"}}), "Unknown object layer: lamp_vlx"},
        {EntityText("OBJECT_SIMPLE", {{"Model", "bad"}}), "'wide' is not a valid floating point value"},
    };
    for (const auto& [entities, error] : cases)
        EXPECT_EQ(LoadError(entities), error) << entities;
}

TEST_F(MapEntitiesTest, ObjectsTakeModelRadiusAnglesAndPositionAndAreSortedAlongTheRoad) {
    WriteObjectModel("tree", "1.5");
    WriteObjectModel("sign");
    TMapController& block = Load(
        EntityText("OBJECT_SIMPLE",
                   {{"Model", "tree"}, {"origin", "64 -128 0"}, {"angles", "10 20 30"}, {"Health", "7"}}) +
        EntityText("OBJECT_SIMPLE", {{"Model", "sign"}, {"origin", "0 128 0"}, {"IdleDeadAnimation", "3"}}) +
        EntityText("OBJECT_SIMPLE", {{"Model", "tree"}, {"origin", "128 128 0"}}));
    ASSERT_EQ(block.Objects().Count(), 3);
    // Sorted by world y (map y negated): the sign (-2.5), the second tree (-2.5, file order), the first tree
    // (2.5).
    const TSimpleObject& sign = block.Objects()[0];
    const TSimpleObject& tree2 = block.Objects()[1];
    const TSimpleObject& tree1 = block.Objects()[2];
    EXPECT_EQ(sign.Model()->Path(), Path("Data\\Objects\\sign.hsa"));
    EXPECT_FLOAT_EQ(tree2.Position().x, -2.5f);
    EXPECT_FLOAT_EQ(tree1.Position().x, -1.25f);
    EXPECT_FLOAT_EQ(tree1.Position().y, 2.5f);
    EXPECT_FLOAT_EQ(tree1.Radius(), 1.5f);
    EXPECT_FLOAT_EQ(sign.Radius(), 0);
    // Angles (a1, a3, a2) in radians, heading turned back a quarter.
    EXPECT_NEAR(tree1.Description().angles.x, 10 * kDegree, 1e-6);
    EXPECT_NEAR(tree1.Description().angles.y, 30 * kDegree, 1e-6);
    EXPECT_NEAR(tree1.Description().angles.z, 20 * kDegree - M_PI / 2, 1e-6);
    EXPECT_FLOAT_EQ(sign.Description().angles.z, 0); // the quarter turn comes with "angles" only
    EXPECT_EQ(tree1.Description().health, 7);
    EXPECT_EQ(sign.Description().idleDeadAnimation, 3);
    EXPECT_EQ(sign.IdleDeadAnimation(), nullptr);
    EXPECT_TRUE(sign.Description().castsShadow);
    // The model's one triangle feeds the shadow volume.
    EXPECT_EQ(sign.ShadowVolume().Sources().size(), 3u);
}

TEST_F(MapEntitiesTest, LayerComesFromTheModelNameEnding) {
    // Along the road in this order, so that the objects keep it when sorted.
    std::string entities;
    int y = -5;
    for (const char* name : {"lamp_vl0", "lamp_sh_vl0", "lamp_vl1", "lamp_sh_vl1", "vl0", "_vl0", "lamp"}) {
        WriteObjectModel(name);
        entities +=
            EntityText("OBJECT_SIMPLE", {{"Model", name}, {"origin", "0 " + std::to_string(y++) + " 0"}});
    }
    TMapController& block = Load(entities);
    std::vector<int> layers;
    for (int i = block.Objects().Count() - 1; i >= 0; --i)
        layers.push_back(block.Objects()[i].Layer());
    EXPECT_EQ(layers, (std::vector<int>{1, 0, 2, 1, 0, 1, 0}));
}
