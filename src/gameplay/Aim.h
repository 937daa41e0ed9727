// The turns the game measures in the ground plane: how far a direction is turned from
// straight ahead (-y) or from straight back (+y), signed by which side it points to.
#pragma once

#include "resources/Vector.h"

constexpr float kPi = 3.14159265358979f;
constexpr float kDegreesPerRadian = 180 / kPi;

// The angle between (0, -1) and (to - from) in the xy plane, negative when `to` lies at
// smaller x than `from` (the turn of a car's heading and of the gunner).
float TurnFromAhead(const TVector4& from, const TVector4& to);
// The angle between (0, 1) and `direction` in the xy plane, negative when it points to +x
// (the yaw of a rocket model).
float RocketYaw(const TVector4& direction);
// (x, y, 0) of `v`, scaled to length `length` (zero stays zero).
TVector4 Horizontal(const TVector4& v, float length);
