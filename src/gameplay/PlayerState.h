// The player's speed values that other parts of the game read every frame.
#pragma once

extern float PlayerSpeed;     // forward speed, units per second
extern float ForwardVelocity; // units per second at which the road scrolls past the car along y
extern int MaxSpeed;          // the player's top speed, units per second, from the mission
