// The camera: shared eye position, angles and field of view, and the view they make.
#pragma once

#include "resources/Vector.h"

extern TVector4 CameraPosition; // eye point, world units
extern TVector4 CameraAngles;   // degrees: y pitch about the x axis, z heading about the z axis
extern float FieldOfView;       // vertical opening of the perspective, degrees

// Puts the camera where a new game environment starts it.
void ResetCamera();
// Projection and modelview for the scene, over the whole viewport.
void SetUpView();
// Eases the field of view towards 60..75 degrees by the player's share of top speed, at
// 8 degrees per second of game time, leaving it alone within 5 degrees of the target.
void AdaptFieldOfView(int step);
