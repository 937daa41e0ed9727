// One traffic car: a copy of its car type and its state on the road.
#pragma once

#include <array>
#include <cstdint>

#include "resources/Vector.h"
#include "world/CarTypes.h"

// Where the parts of a car model sit relative to its origin (car space, heading 0).
struct TCarBody {
    std::array<TVector4, 8> box; // bounding box corners
    TVector4 engine;
    TVector4 weapon;
    TVector4 muzzle;                // relative to the weapon point, turned with the turret
    std::array<TVector4, 4> lights; // lb, lf, rb, rf
};
// The body of `model` (the car type's model with its part nodes), or a plain 2 x 4 car
// without a model.
TCarBody CarBodyOf(const THSAModel* model, const TCarType& type, const THSAModel* gunner);

struct TTrafficCar {
    TCarType type;
    THSAModel* model = nullptr;
    TCarBody body;
    int hitTime = 0;

    TVector4 position;
    float heading = 0; // 0 = towards -y, positive turns towards +x
    float speed = 0;
    int lane = 0;
    int side = 0;
    int block = 0; // the block index the car was last on
    float health = 0;
    bool destroyed = false;
    int wreckTime = 0;
    float turretAngle = 0;
    int muzzleFlashTime = 0;
    int64_t lastShotTime = 0;
    TVector4 collisionVelocity; // units per ms
    int collisionTime = 0;
    int nextWreckExplosion = 0;
    int indicatorTime = 0;
    bool indicatorUp = false; // towards higher lane numbers
    int brakeLightTime = 0;
    int bonusType = 0;
    bool aimedAt = false;

    // World points, placed after every move.
    std::array<TVector4, 8> corners;
    TVector4 enginePoint;
    TVector4 weaponPoint;
    TVector4 muzzlePoint;
    std::array<TVector4, 4> lightPoints;

    bool Armed() const { return type.Weapon >= 0 && type.Weapon < static_cast<int>(Weapons.size()); }
    const TWeapon& Weapon() const { return Weapons[type.Weapon]; }
    // Corners, engine, weapon, muzzle and lights from the position, heading and turret.
    void PlacePoints();
};
