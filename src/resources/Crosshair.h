// The aim: the world point under the mouse, found from the depth of the ground, and the
// marker drawn over it.
#pragma once

#include "platform/Platform.h"
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
    // Right after the ground is drawn: unprojects the depth under `pointer` (the mouse
    // reference point, client pixels, y down) with the current matrices and viewport.
    void Update(const platform::TPoint& pointer);
    // The aim at a world point given outright (a replay's), placed on screen with the current
    // matrices.
    void Place(const TAimPoint& aim);
    // The 48 x 48-pixel marker over the aim point; the pixel scales are 2 / window size.
    void DrawMarker(float pixelScaleX, float pixelScaleY) const;
    const TAimPoint& WorldAim() const { return worldAim_; }
    // Normalised device coordinates of the aim point, w = 1.
    const TVector4& ScreenAim() const { return screenAim_; }

private:
    TAimPoint worldAim_;
    TVector4 screenAim_;
    int marker_ = 0;
};

// Created by the game environment; nullptr until then.
extern TCrosshair* Crosshair;
