// The four-float vector used for positions, directions and colours throughout the game.
#pragma once

struct TVector4 {
    float x = 0;
    float y = 0;
    float z = 0;
    float w = 0;
};
