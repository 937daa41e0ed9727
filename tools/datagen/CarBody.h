// Car bodies from a few numbers: a side profile for the hull and one for the glasshouse, wheels,
// lamps and bumpers, with the nodes the game looks up in every car.
#pragma once

#include "CarAtlas.h"
#include "Mesh.h"

#include <string>
#include <vector>

using TProfile = std::vector<TMesh::TProfilePoint>;

struct TCarDesign {
    double length = 4.4, halfWidth = 0.95;
    double beltZ = 0.95;   // top of the hull
    double noseDrop = 0.2; // how far the bonnet's front edge sits below the belt
    double cabinFront = -0.6, cabinRear = 1.2, roofZ = 1.55, windscreen = 0.6, backlight = 0.4;
    double wheelRadius = 0.42, wheelBase = 2.7;
    bool armoured = false; // riveted plates instead of paint and glass
    bool lightBar = false; // police lights on the roof
    bool taxiSign = false;
    double cargoFront = 0, cargoRear = 0, cargoTop = 0; // a box body behind the cab when cargoTop > 0
    double bedRear = 0; // an open bed from the cabin to here when > 0 (pickups)
    TCarPaint paint;
};

// Node indices of one car, in the order they are added.
struct TCarNodes {
    int root, body, wheelRb, wheelLb, wheelRt, wheelLt, weapon, smoke, engine, lightLb, lightLf, lightRb,
        lightRf;
};

// The hull profile: front at -y, ground clearance 0.28.
TProfile HullProfile(const TCarDesign& d);
// Faces of a profile extrusion: roofs and bonnets painted, undersides trim, the rest `walls`.
void AddProfileBody(TMesh& mesh, const TProfile& profile, double bottomHalf, double topHalf,
                    const TUvRect& ends, const TUvRect& top, const TUvRect& walls);
void AddWheel(TMesh& mesh, const TVec3& centre, double radius);

// The whole car skinned to its nodes; `material` is the atlas file beside the mesh.
TMesh BuildCar(const TCarDesign& d, const std::string& material, TCarNodes& nodes);
