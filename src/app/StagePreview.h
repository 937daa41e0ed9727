// A stage without its player or traffic, for tests, benchmarks and demos: "--stage=N" loads
// the mission at start-up, and game frames scroll its track at a steady speed and draw the
// world in the game's render order (track passes, lights, fog, shadows, weather, effects).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "world/CarGeneric.h"
#include "world/WorldAssets.h"

class TEffects;
class TWeather;

class TStagePreview : private TTrafficCars {
public:
    // Loads "Global.cfg" and the mission file (a full path); raises the loaders' errors.
    explicit TStagePreview(const std::string& missionFile);
    ~TStagePreview() override;

    void Update(uint32_t step);
    void Render() const;

private:
    int CarCount() const override { return 0; }
    int CarLane(int) const override { return 0; }
    float CarY(int) const override { return 0; }
    int MaxCount() const override { return 0; }
    void AddCar(const TSpawnedCar&) override {}

    TLibraryAssets assets_;
    std::unique_ptr<TEffects> effects_;
    std::unique_ptr<TWeather> weather_;
    TCarGeneric generator_{*this};
};
