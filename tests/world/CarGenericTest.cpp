// The car generator: fixed placements, the random pool, where cars appear and when a car
// is given up.
#include "world/CarGeneric.h"
#include "core/Random.h"
#include "world/EnumNames.h"
#include "world/FakeRoad.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

TSection MakeSection(int begin, int end, int min, int max) {
    TSection section;
    section.Begin = begin;
    section.End = end;
    section.Min = min;
    section.Max = max;
    section.CarType.Speed = 30;
    section.CarType.Health = 150;
    return section;
}

class CarGenericTest : public ::testing::Test {
protected:
    void SetUp() override {
        Randomize(1234);
        Sections.clear();
        Weapons.clear();
        SpecMission = TSpecMission();
        generator_.SetTrack(&track_);
    }
    void TearDown() override {
        Sections.clear();
        Weapons.clear();
    }
    void PassTo(int block) {
        while (generator_.CurrentBlock() < block)
            generator_.BlockPassed();
    }
    // A car placed at random on block 0, the only one in the traffic.
    TSpawnedCar SpawnAlone() {
        traffic_.cars.clear();
        EXPECT_TRUE(generator_.Spawn(0));
        return traffic_.cars.empty() ? TSpawnedCar() : traffic_.cars[0];
    }

    TFakeTrack track_;
    TFakeTraffic traffic_;
    TCarGeneric generator_{traffic_};
};

} // namespace

TEST_F(CarGenericTest, PoolHoldsRandomCarsOfActiveSectionsUntilMaxIsUsedUp) {
    Sections = {MakeSection(10, 20, 0, 3)};
    generator_.Init();
    EXPECT_EQ(generator_.CurrentBlock(), 8);
    PassTo(9);
    EXPECT_EQ(generator_.PoolCount(), 0);
    EXPECT_FALSE(generator_.GenerateOne());
    PassTo(10);
    EXPECT_EQ(generator_.PoolCount(), 3);
    EXPECT_TRUE(generator_.GenerateOne());
    PassTo(11);
    EXPECT_EQ(generator_.PoolCount(), 2);
    EXPECT_TRUE(generator_.GenerateOne());
    EXPECT_TRUE(generator_.GenerateOne());
    EXPECT_FALSE(generator_.GenerateOne());
    EXPECT_EQ(Sections[0].Max, 0);

    // At the end of the range the section stops feeding the pool.
    Sections = {MakeSection(10, 20, 1, 3)};
    generator_.Init();
    PassTo(19);
    EXPECT_EQ(generator_.PoolCount(), 2);
    PassTo(20);
    EXPECT_EQ(generator_.PoolCount(), 0);
}

TEST_F(CarGenericTest, GenerateOneWaitsForRoomInTheTraffic) {
    Sections = {MakeSection(0, 100, 0, 5)};
    generator_.Init();
    traffic_.maxCount = 2;
    PassTo(9);
    EXPECT_TRUE(generator_.GenerateOne());
    EXPECT_TRUE(generator_.GenerateOne());
    EXPECT_FALSE(generator_.GenerateOne());
    EXPECT_EQ(generator_.PoolCount(), 3);
    EXPECT_EQ(Sections[0].Max, 3);
}

TEST_F(CarGenericTest, FixedCarsAreSpreadOverTheirStretchAndComeIntoView) {
    // min 2 over blocks 10 .. 20: the first at 10 + U1, the second at 15 + U2, U uniform 0 .. 9.
    std::set<int> first, second;
    for (int seed = 0; seed < 400; ++seed) {
        Randomize(seed);
        Sections = {MakeSection(10, 20, 2, 2)};
        generator_.Init();
        std::vector<int> blocks;
        for (int block = 0; block < 40; ++block)
            for (int s : generator_.Placements(block)) {
                EXPECT_EQ(s, 0);
                blocks.push_back(block);
            }
        ASSERT_EQ(blocks.size(), 2u);
        first.insert(std::min(blocks[0], blocks[1]));
        second.insert(std::max(blocks[0], blocks[1]));
    }
    EXPECT_EQ(first, (std::set<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(*second.begin(), 15);
    EXPECT_EQ(*second.rbegin(), 24);

    // They appear when their block comes into view; placements at block 8 or below never come,
    // as the first pass handles block 9.
    Randomize(1234); // which puts the car on block 12
    Sections = {MakeSection(12, 13, 1, 1), MakeSection(5, 6, 1, 1)};
    generator_.Init();
    EXPECT_EQ(generator_.Placements(12), std::vector<int>{0});
    PassTo(11);
    EXPECT_TRUE(traffic_.cars.empty());
    PassTo(12);
    EXPECT_EQ(traffic_.cars.size(), 1u);
    PassTo(30);
    EXPECT_EQ(traffic_.cars.size(), 1u);
}

TEST_F(CarGenericTest, WhereANewCarAppears) {
    Sections = {MakeSection(0, 100, 0, 100)};
    Sections[0].CarType.BonusType = 9;
    Sections[0].CarType.SpecialKind = SM_NEUTRAL;
    Weapons.resize(2);
    Weapons[1].ShootDelay = 700;
    Sections[0].CarType.Weapon = 1;
    track_.exits[1] = track_.exits[6] = false;
    std::set<int> lanes;
    for (int i = 0; i < 200; ++i) {
        const TSpawnedCar car = SpawnAlone();
        EXPECT_EQ(car.Side, SIDE_AHEAD);
        EXPECT_GE(car.Position.y, -320);
        EXPECT_LT(car.Position.y, -280);
        lanes.insert(car.Lane);
        // Each lane has one point, at x -14 + 4 * lane.
        EXPECT_EQ(car.Position.x, -14 + 4 * car.Lane);
        EXPECT_EQ(car.ShootDelay, 700);
    }
    EXPECT_EQ(lanes, (std::set<int>{2, 3, 4, 5}));

    // A car type that may come from behind appears on both sides.
    Sections[0].CarType.CanSpawnBottom = true;
    std::set<int> sides;
    for (int i = 0; i < 50; ++i) {
        const TSpawnedCar car = SpawnAlone();
        sides.insert(car.Side);
        if (car.Side == SIDE_BEHIND) {
            EXPECT_GE(car.Position.y, 80);
        }
    }
    EXPECT_EQ(sides, (std::set<int>{SIDE_BEHIND, SIDE_AHEAD}));
    EXPECT_EQ(SpecMission.NeutralAlive, 250) << "every neutral target counts towards the special mission";
}

TEST_F(CarGenericTest, ACarWithNoRoomIsSkippedAndStaysInThePool) {
    Sections = {MakeSection(0, 100, 0, 2)};
    generator_.Init();
    PassTo(9);
    // Cars every 2 units in every lane over the look-ahead block.
    for (int lane = 1; lane <= 6; ++lane)
        for (float y = -322; y < -276; y += 2) {
            TSpawnedCar car;
            car.Lane = lane;
            car.Position.y = y;
            traffic_.cars.push_back(car);
        }
    const size_t before = traffic_.cars.size();
    EXPECT_FALSE(generator_.GenerateOne());
    EXPECT_EQ(traffic_.cars.size(), before);
    EXPECT_EQ(generator_.PoolCount(), 2);

    // One car ahead in a lane: whatever is placed in that lane keeps its distance.
    traffic_.cars.resize(1);
    traffic_.cars[0].Lane = 3;
    traffic_.cars[0].Position.y = -300;
    for (int i = 0; i < 200; ++i) {
        traffic_.cars.resize(1);
        ASSERT_TRUE(generator_.Spawn(0));
        const TSpawnedCar& car = traffic_.cars[1];
        if (car.Lane == 3 && car.Side == SIDE_AHEAD) {
            EXPECT_GE(std::fabs(car.Position.y + 300), 5);
        }
    }

    // No lane with an exit point, or no track: nothing is placed either.
    traffic_.cars.clear();
    for (bool& exit : track_.exits)
        exit = false;
    EXPECT_FALSE(generator_.Spawn(0));
    generator_.SetTrack(nullptr);
    EXPECT_FALSE(generator_.Spawn(0));
}
