// Car bodies from a few numbers: a side profile for the hull and one for the glasshouse, wheels,
// lamps and bumpers, with the nodes the game looks up in every car.
#include "CarBody.h"

#include <cmath>

TProfile HullProfile(const TCarDesign& d) {
    const double f = -d.length / 2, r = d.length / 2;
    return {{f, 0.28},
            {f + 0.05, d.beltZ - d.noseDrop - 0.25},
            {f + 0.25, d.beltZ - d.noseDrop},
            {d.cabinFront, d.beltZ},
            {r - 0.15, d.beltZ},
            {r, d.beltZ - 0.25},
            {r, 0.28}};
}

void AddProfileBody(TMesh& mesh, const TProfile& profile, double bottomHalf, double topHalf,
                    const TUvRect& ends, const TUvRect& top, const TUvRect& walls) {
    double cy = 0, cz = 0;
    for (const auto& p : profile)
        cy += p.y / profile.size(), cz += p.z / profile.size();
    mesh.Extrude(0, profile, bottomHalf, topHalf, ends, [&](size_t i) {
        const auto& a = profile[i];
        const auto& b = profile[(i + 1) % profile.size()];
        // Edge normal in the profile plane, turned away from the profile's centre.
        double ny = b.z - a.z, nz = -(b.y - a.y);
        if (ny * ((a.y + b.y) / 2 - cy) + nz * ((a.z + b.z) / 2 - cz) < 0) ny = -ny, nz = -nz;
        const double nl = std::hypot(ny, nz);
        if (nz / nl < -0.5) return atlas::Trim;
        if (nz / nl > 0.7) return top;
        return walls;
    });
}

void AddWheel(TMesh& mesh, const TVec3& centre, double radius) {
    mesh.Cylinder(centre, 'x', radius, 0.32, 10, atlas::Tread, atlas::Tyre);
}

TMesh BuildCar(const TCarDesign& d, const std::string& material, TCarNodes& n) {
    TMesh mesh;
    const double front = -d.length / 2, rear = d.length / 2, w = d.halfWidth;
    const double wx = w - 0.1, wf = -d.wheelBase / 2, wr = d.wheelBase / 2, r = d.wheelRadius;
    n.root = mesh.AddNode("root", -1, {});
    n.body = mesh.AddNode("body", n.root, {});
    n.wheelRb = mesh.AddNode("wheel_rb", n.body, {-wx, wr, r});
    n.wheelLb = mesh.AddNode("wheel_lb", n.body, {wx, wr, r});
    n.wheelRt = mesh.AddNode("wheel_rt", n.body, {-wx, wf, r});
    n.wheelLt = mesh.AddNode("wheel_lt", n.body, {wx, wf, r});
    // The gunner stands in a roof hatch: the weapon point is low enough to hide the legs.
    const double roofTop = std::max(d.roofZ, d.cargoTop);
    n.weapon = mesh.AddNode("weapon", n.body, {0, (d.cabinFront + d.cabinRear) / 2 - 0.2, roofTop - 0.75});
    n.smoke = mesh.AddNode("smoke", n.body, {-w * 0.55, rear + 0.1, 0.35});
    n.engine = mesh.AddNode("engine", n.body, {0, front + 0.7, d.beltZ - d.noseDrop / 2});
    const double lampZ = d.beltZ - d.noseDrop - 0.15;
    n.lightLb = mesh.AddNode("light_lb", n.body, {w - 0.22, rear + 0.02, d.beltZ - 0.2});
    n.lightLf = mesh.AddNode("light_lf", n.body, {w - 0.22, front + 0.02, lampZ});
    n.lightRb = mesh.AddNode("light_rb", n.body, {-(w - 0.22), rear + 0.02, d.beltZ - 0.2});
    n.lightRf = mesh.AddNode("light_rf", n.body, {-(w - 0.22), front + 0.02, lampZ});

    mesh.Use(material, n.body);
    const TUvRect plate = d.armoured ? atlas::Armour : atlas::Paint;
    AddProfileBody(mesh, HullProfile(d), w, w - 0.06, d.armoured ? atlas::Armour : atlas::Side, plate, plate);
    const TProfile cabin = {{d.cabinFront, d.beltZ - 0.02},
                            {d.cabinFront + d.windscreen, d.roofZ},
                            {d.cabinRear - d.backlight, d.roofZ},
                            {d.cabinRear, d.beltZ - 0.02}};
    AddProfileBody(mesh, cabin, w - 0.08, w - 0.25, d.armoured ? atlas::Armour : atlas::CabinSide, plate,
                   d.armoured ? atlas::Grille : atlas::Glass);
    if (d.cargoTop > 0)
        mesh.Box({-w - 0.05, d.cargoFront, d.beltZ - 0.45}, {w + 0.05, d.cargoRear, d.cargoTop}, atlas::Cargo,
                 atlas::Paint);
    if (d.bedRear > 0) {
        for (double side : {-1.0, 1.0})
            mesh.Box({side > 0 ? w - 0.08 : -w, d.cabinRear, d.beltZ - 0.02},
                     {side > 0 ? w : -w + 0.08, d.bedRear, d.beltZ + 0.3}, atlas::Side, atlas::Trim);
        mesh.Box({-w, d.bedRear - 0.08, d.beltZ - 0.02}, {w, d.bedRear, d.beltZ + 0.3}, atlas::Side,
                 atlas::Trim);
    }
    // Bumpers, lamps, grille.
    mesh.Box({-w - 0.04, front - 0.08, 0.3}, {w + 0.04, front + 0.1, 0.5}, atlas::Trim);
    mesh.Box({-w - 0.04, rear - 0.1, 0.3}, {w + 0.04, rear + 0.08, 0.5}, atlas::Trim);
    mesh.Box({-w * 0.45, front - 0.03, lampZ - 0.12}, {w * 0.45, front + 0.05, lampZ + 0.1}, atlas::Grille);
    for (double side : {-1.0, 1.0}) {
        const double x = side * (w - 0.22);
        mesh.Box({x - 0.17, front - 0.04, lampZ - 0.08}, {x + 0.17, front + 0.06, lampZ + 0.08},
                 atlas::Headlight);
        mesh.Box({x - 0.17, rear - 0.06, d.beltZ - 0.3}, {x + 0.17, rear + 0.04, d.beltZ - 0.12},
                 atlas::Taillight);
        mesh.Box({side * (w + 0.01) - 0.01, front + 0.3, lampZ - 0.05},
                 {side * (w + 0.01) + 0.01, front + 0.45, lampZ + 0.03}, atlas::Indicator);
    }
    if (d.lightBar) {
        const double y = d.cabinFront + d.windscreen + 0.3;
        mesh.Box({-0.55, y, d.roofZ}, {0, y + 0.25, d.roofZ + 0.15}, atlas::Taillight);
        mesh.Box({0, y, d.roofZ}, {0.55, y + 0.25, d.roofZ + 0.15}, atlas::Accent);
    }
    if (d.taxiSign)
        mesh.Box({-0.3, d.cabinFront + d.windscreen + 0.3, d.roofZ},
                 {0.3, d.cabinFront + d.windscreen + 0.5, d.roofZ + 0.22}, atlas::Indicator);
    for (int wheel : {n.wheelRb, n.wheelLb, n.wheelRt, n.wheelLt}) {
        mesh.Use(material, wheel);
        AddWheel(mesh, mesh.NodeModelPosition(wheel), r);
    }
    return mesh;
}
