// The player's shared speed values.
#include "gameplay/PlayerState.h"

float PlayerSpeed = 0;
float ForwardVelocity = 0;
int MaxSpeed = 100;
