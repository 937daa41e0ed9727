// Every traffic car on the road: spawned by the car generator, moved with the road, pushed
// apart from the player, hit by bullets and rockets, burnt out and removed. A single car's
// behaviour (speed policy, lanes, shooting, destruction) is in TrafficBehaviour.cpp.
#pragma once

#include <vector>

#include "gameplay/GameContext.h"
#include "gameplay/TrafficCar.h"
#include "world/CarGeneric.h"

class TCarGeneric;

// Live cars are kept between these y lines (inclusive); wrecks until they pass kWreckBehind.
constexpr float kCarsAhead = -360;
// Cars may spawn behind the player at y 80 .. 120: they live until they drop back past 130.
constexpr float kCarsBehind = 130;
constexpr float kWreckBehind = 40;

class TTrafficControl : public TTrafficCars {
public:
    explicit TTrafficControl(TGameContext& game) : game_(game) {}

    // The wreck model, the sounds and the light sprites; needs the game's GL context.
    void LoadAssets();
    // Removals ask it for a replacement car; may be null.
    void SetGenerator(TCarGeneric* generator) { generator_ = generator; }
    void SetMaxCount(int count) { maxCount_ = count; }
    void Clear() {
        cars_.clear();
        destroyedCount_ = 0;
    }

    void Update(int dt);
    // Draws the cars and frames the aimed-at one for the HUD (the only thing it writes).
    void Render() const;

    // Damages every car whose hit radius holds `probe`, but never the car `shooter` that fired
    // it (-1: the player); `index` is the last car hit or -1.
    bool HitTest(const TVector4& origin, const TVector4& probe, int& index, float damage, int shooter = -1);
    int NearestCar(const TVector4& point, int exclude) const;
    void DamageCar(int index, float damage);
    // The player's car against every live car.
    void PlayerCollision();
    // Marks the car nearest the aim point as aimed at when it lives and lies within 10 units.
    void MarkAimed(const TVector4& aim);

    // TTrafficCars, for the generator.
    int CarCount() const override { return static_cast<int>(cars_.size()); }
    int CarLane(int index) const override { return cars_[index].lane; }
    float CarY(int index) const override { return cars_[index].position.y; }
    int MaxCount() const override { return maxCount_; }
    void AddCar(const TSpawnedCar& spawned) override;

    TTrafficCar& Car(int index) { return cars_[index]; }
    const TTrafficCar& Car(int index) const { return cars_[index]; }
    int LiveCount() const;
    // Cars destroyed since the stage started.
    int DestroyedCount() const { return destroyedCount_; }

private:
    // TrafficBehaviour.cpp.
    void Destroy(int index);
    void Attack(int index);
    void Shoot(int index);
    void SteerOnPath(TTrafficCar& car, int dt);
    void Drive(TTrafficCar& car, int dt);
    void Overtake(int index);
    void ChangeLane(TTrafficCar& car, bool up);
    int LaneNearestPlayer(const TTrafficCar& car) const;

    void MoveCar(TTrafficCar& car, int dt, float scroll);
    void RemoveOrBurn(int dt);
    void EmitDamageSmoke(const TTrafficCar& car) const;
    void DrawCar(const TTrafficCar& car) const;

    TGameContext& game_;
    TCarGeneric* generator_ = nullptr;
    std::vector<TTrafficCar> cars_;
    int maxCount_ = 0;
    int destroyedCount_ = 0;

    THSAModel* wreck_ = nullptr;
    int hitSound_ = 0;
    int explosionSound_ = 0;
    int backLight_ = 0;
    int brakeLight_ = 0;
};
