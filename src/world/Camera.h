// The camera: shared eye position, angles and field of view, and the view they make.
#pragma once

#include "resources/Vector.h"

// The part of the window the scene is drawn into, GL window coordinates.
struct TViewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

extern TVector4 CameraPosition; // eye point, world units
extern TVector4 CameraAngles;   // degrees: y pitch about the x axis, z heading about the z axis
extern float FieldOfView;       // vertical opening of the perspective, degrees

// Puts the camera where a new game environment starts it.
void ResetCamera();
// Projection and modelview for the scene, over the whole `viewport`.
void SetUpView(const TViewport& viewport);
// Where `point` lands in the window SetUpView(viewport) draws, in client pixels (x right,
// y down) as the pointer counts them: the pixel whose crosshair un-projects to it. False for a
// point at or behind the eye.
bool ProjectToClient(const TVector4& point, const TViewport& viewport, float& x, float& y);
// Eases the field of view towards 60..75 degrees by the player's share of top speed (units
// per second), at 8 degrees per second of game time, leaving it alone within 5 degrees of the
// target.
void AdaptFieldOfView(int step, float playerSpeed, int maxSpeed);
