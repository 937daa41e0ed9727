// What a track block reads from the player's car and writes back while the block is drawn:
// the surface under each wheel and the touch of a scene object.
#pragma once

#include <array>
#include <functional>

#include "resources/Vector.h"

struct TVehicleContact {
    std::array<TVector4, 4> wheelPoints; // rb, lb, rt, lt, world units
    std::array<int, 4> wheelTypes{};     // a TCollisionType per wheel, same order
    // Front-right, front-left, back-left, back-right hit points.
    std::array<TVector4, 4> hitPoints;
    // The player's Respawn: called once per block whose object the car touches.
    std::function<void()> objectHit;
};

// The player's car, set by the player when it is created; nullptr while there is none.
extern TVehicleContact* VehicleContact;
