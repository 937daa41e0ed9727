// Data\Models\Cars: the traffic car models Car_01 .. Car_10, and the burnt wreck every destroyed
// car turns into (Data\Objects\ostov_01).
#include "Canvas.h"
#include "CarBody.h"
#include "DataTree.h"
#include "Generators.h"
#include "ModelFiles.h"

#include <cstdio>

namespace {

struct TTrafficCar {
    const char* name;
    TCarDesign design;
    bool hitBoxes; // armoured bodies are hit on their plates only
};

TCarDesign Saloon(const TColour& body) {
    TCarDesign d;
    d.paint.body = body;
    d.paint.accent = palette::Chrome;
    return d;
}

std::vector<TTrafficCar> Cars() {
    using namespace palette;
    std::vector<TTrafficCar> cars;
    TCarDesign saloon = Saloon({0.30, 0.42, 0.58});
    cars.push_back({"Car_01", saloon, false});

    TCarDesign hatch = Saloon({0.72, 0.16, 0.18});
    hatch.length = 3.8, hatch.wheelBase = 2.4, hatch.cabinFront = -0.5, hatch.cabinRear = 1.75,
    hatch.backlight = 0.2;
    cars.push_back({"Car_02", hatch, false});

    TCarDesign van = Saloon({0.86, 0.86, 0.82});
    van.length = 4.8, van.halfWidth = 1.0, van.beltZ = 1.05, van.noseDrop = 0.15, van.cabinFront = -1.5;
    van.cabinRear = 2.35, van.roofZ = 2.15, van.windscreen = 0.55, van.backlight = 0.05, van.wheelBase = 3.0;
    van.paint.accent = Cyan, van.paint.stripe = true;
    cars.push_back({"Car_03", van, false});

    // Blue-grey, not orange: only our car wears that.
    TCarDesign truck = Saloon({0.40, 0.46, 0.55});
    truck.length = 7.2, truck.halfWidth = 1.15, truck.beltZ = 1.2, truck.noseDrop = 0.1,
    truck.cabinFront = -3.3;
    truck.cabinRear = -1.9, truck.roofZ = 2.4, truck.windscreen = 0.3, truck.backlight = 0.02;
    truck.wheelRadius = 0.55, truck.wheelBase = 4.6, truck.cargoFront = -1.8, truck.cargoRear = 3.6;
    truck.cargoTop = 3.0, truck.paint.accent = Danger;
    cars.push_back({"Car_04", truck, true});

    TCarDesign pickup = Saloon({0.24, 0.45, 0.30});
    pickup.length = 4.9, pickup.beltZ = 1.05, pickup.cabinFront = -0.9, pickup.cabinRear = 0.45;
    pickup.roofZ = 1.8, pickup.backlight = 0.05, pickup.wheelRadius = 0.48, pickup.wheelBase = 3.0;
    pickup.bedRear = 2.45;
    cars.push_back({"Car_05", pickup, false});

    TCarDesign police = Saloon({0.10, 0.13, 0.28});
    police.lightBar = true, police.paint.accent = Cyan, police.paint.stripe = true;
    cars.push_back({"Car_06", police, false});

    TCarDesign armour = Saloon({0.30, 0.33, 0.22});
    armour.length = 5.0, armour.halfWidth = 1.1, armour.beltZ = 1.15, armour.noseDrop = 0.35;
    armour.cabinFront = -0.8, armour.cabinRear = 1.9, armour.roofZ = 1.95, armour.windscreen = 0.5;
    armour.backlight = 0.5, armour.wheelRadius = 0.55, armour.wheelBase = 3.2, armour.armoured = true;
    armour.paint.accent = Danger;
    cars.push_back({"Car_07", armour, true});

    TCarDesign coupe = Saloon({0.90, 0.78, 0.20});
    coupe.length = 4.3, coupe.beltZ = 0.8, coupe.noseDrop = 0.15, coupe.cabinFront = -0.3,
    coupe.cabinRear = 1.4;
    coupe.roofZ = 1.25, coupe.windscreen = 0.75, coupe.backlight = 0.7, coupe.paint.accent = Night;
    coupe.paint.stripe = true;
    cars.push_back({"Car_08", coupe, false});

    TCarDesign taxi = Saloon({0.95, 0.70, 0.10});
    taxi.taxiSign = true, taxi.paint.checker = true;
    cars.push_back({"Car_09", taxi, false});

    TCarDesign raider = Saloon({0.12, 0.12, 0.14});
    raider.length = 4.7, raider.halfWidth = 1.05, raider.beltZ = 1.1, raider.cabinFront = -0.7;
    raider.cabinRear = 2.0, raider.roofZ = 1.9, raider.backlight = 0.15, raider.wheelRadius = 0.52;
    raider.wheelBase = 2.9, raider.armoured = true, raider.paint.accent = Danger;
    cars.push_back({"Car_10", raider, true});
    return cars;
}

// One box around the whole body on the body node: type 1, full damage.
std::string BodyHitBoxes(const TMesh& mesh, int body) {
    TVec3 lo, hi;
    mesh.Bounds(lo, hi);
    return HitBoxLine(1, body, 1.0, lo, hi);
}

} // namespace

void GenerateCarModels(TDataTree& tree) {
    uint64_t seed = 40;
    for (TTrafficCar& car : Cars()) {
        car.design.paint.seed = ++seed;
        TCanvas atlas(256, 256, false);
        PaintCarAtlas(atlas, car.design.paint);
        const std::string texture = std::string(car.name) + ".png";
        tree.Png("Data/Models/Cars/" + texture, atlas);
        TCarNodes nodes;
        const TMesh mesh = BuildCar(car.design, texture, nodes);
        WriteModel(tree, "Data/Models/Cars", car.name, mesh, {},
                   car.hitBoxes ? BodyHitBoxes(mesh, nodes.body) : "");
    }

    // The wreck: a saloon burnt out, its roof sagging.
    TCarDesign wreck = Saloon(palette::Steel);
    wreck.roofZ = 1.35, wreck.paint.burnt = true, wreck.paint.seed = 77;
    TCanvas atlas(256, 256, false);
    PaintCarAtlas(atlas, wreck.paint);
    tree.Png("Data/Objects/ostov_01.png", atlas);
    TCarNodes nodes;
    WriteModel(tree, "Data/Objects", "ostov_01", BuildCar(wreck, "ostov_01.png", nodes));
}
