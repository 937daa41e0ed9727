// The texture atlas every car model shares the layout of: paint, glass, tyres, lights, trim.
#pragma once

#include "Mesh.h"
#include "Palette.h"

#include <cstdint>

class TCanvas;

namespace atlas {
inline const TUvRect Paint = AtlasRect(0, 0, 128, 96);       // bonnet, roof, ends
inline const TUvRect Side = AtlasRect(128, 0, 128, 96);      // body sides: doors, stripe, sills
inline const TUvRect Glass = AtlasRect(0, 96, 64, 64);       // windscreens
inline const TUvRect CabinSide = AtlasRect(64, 96, 64, 64);  // side windows between pillars
inline const TUvRect Tyre = AtlasRect(128, 96, 64, 64);      // tyre wall and wheel rim
inline const TUvRect Tread = AtlasRect(192, 96, 64, 64);     // tyre tread
inline const TUvRect Headlight = AtlasRect(0, 160, 32, 32);  //
inline const TUvRect Taillight = AtlasRect(32, 160, 32, 32); //
inline const TUvRect Indicator = AtlasRect(64, 160, 32, 32); //
inline const TUvRect Grille = AtlasRect(96, 160, 32, 32);    //
inline const TUvRect Chrome = AtlasRect(128, 160, 32, 32);   //
inline const TUvRect Trim = AtlasRect(160, 160, 32, 32);     // bumpers, underside
inline const TUvRect Accent = AtlasRect(192, 160, 64, 32);   // light bars, stripes, emblems
inline const TUvRect Cargo = AtlasRect(0, 192, 128, 64);     // box bodies, tarpaulins
inline const TUvRect Armour = AtlasRect(128, 192, 128, 64);  // riveted plates
} // namespace atlas

struct TCarPaint {
    TColour body, accent;
    bool stripe = false;  // a racing stripe along the sides
    bool checker = false; // a taxi's chequered band
    bool burnt = false;   // soot, rust and no glass: the wreck
    uint64_t seed = 1;
    bool polished = false; // full paint without road dust: stays bright under the scene light
};

// A 256 × 256 picture in the layout above.
void PaintCarAtlas(const TCanvas& c, const TCarPaint& paint);
