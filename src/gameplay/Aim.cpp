// Turns in the ground plane.
#include "gameplay/Aim.h"

#include "resources/Matrix.h"

float TurnFromAhead(const TVector4& from, const TVector4& to) {
    const float a = Angle(MakeVector(0, -1, 0), MakeVector(to.x - from.x, to.y - from.y, 0));
    return to.x < from.x ? -a : a;
}

float RocketYaw(const TVector4& direction) {
    const float a = Angle(MakeVector(0, 1, 0), MakeVector(direction.x, direction.y, 0));
    return direction.x > 0 ? -a : a;
}

TVector4 Horizontal(const TVector4& v, float length) {
    return Scale(Normalise(MakeVector(v.x, v.y, 0)), length);
}
