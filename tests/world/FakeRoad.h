// The car generator's view of the road and the traffic, for tests: six lanes with a spawn point
// each in every window slot, and a plain list of the cars it adds.
#pragma once

#include "world/CarGeneric.h"

#include <vector>

struct TFakePoint {
    int exit;
    TVector4 position;
};

// Every window slot holds the same block.
class TFakeTrack : public TSpawnTrack {
public:
    bool exits[7] = {false, true, true, true, true, true, true};
    std::vector<TFakePoint> points = {{1, {-10, -32.5f, 0, 0}}, {2, {-6, -32.5f, 0, 0}},
                                      {3, {-2, -32.5f, 0, 0}},  {4, {2, -32.5f, 0, 0}},
                                      {5, {6, -32.5f, 0, 0}},   {6, {10, -32.5f, 0, 0}}};
    float scroll = 12;

    bool ExitDefined(int, int lane) const override { return exits[lane]; }
    int SpawnPointCount(int) const override { return static_cast<int>(points.size()); }
    int SpawnPointExit(int, int index) const override { return points[index].exit; }
    TVector4 SpawnPointPosition(int, int index) const override { return points[index].position; }
    float Scroll() const override { return scroll; }
};

class TFakeTraffic : public TTrafficCars {
public:
    std::vector<TSpawnedCar> cars;
    int maxCount = 100;

    int CarCount() const override { return static_cast<int>(cars.size()); }
    int CarLane(int index) const override { return cars[index].Lane; }
    float CarY(int index) const override { return cars[index].Position.y; }
    int MaxCount() const override { return maxCount; }
    void AddCar(const TSpawnedCar& car) override { cars.push_back(car); }
};
