// The player's car as the track blocks see it.
#include "world/VehicleContact.h"

TVehicleContact* VehicleContact = nullptr;
