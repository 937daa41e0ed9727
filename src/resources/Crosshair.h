// The aim: the world point under the mouse, found from the depth of the ground, and the
// marker drawn over it.
#pragma once

#include "resources/Vector.h"

struct TAimPoint {
    double x = 0;
    double y = 0;
    double z = 0;
};

class TCrosshair {
public:
    // Loads the marker picture.
    TCrosshair();
    // Right after the ground is drawn: unprojects the depth under the mouse reference point
    // with the current matrices and viewport.
    void Update();
    // The 48 x 48-pixel marker over the aim point.
    void DrawMarker() const;
    const TAimPoint& WorldAim() const { return worldAim_; }
    // Normalised device coordinates of the aim point, w = 1.
    const TVector4& ScreenAim() const { return screenAim_; }

private:
    TAimPoint worldAim_;
    TVector4 screenAim_;
    int marker_ = 0;
};
