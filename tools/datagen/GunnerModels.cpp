// Data\Models\Gunner_pl: the gunner standing in a car, with a pistol, an Uzi or a machine gun.
// He faces -y (the way the game turns him towards the aim point); "Flash" marks the muzzle.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "ModelFiles.h"
#include "Swatches.h"

namespace {

enum TGunnerSwatch { GS_SKIN, GS_JACKET, GS_TROUSERS, GS_HELMET, GS_GUNMETAL, GS_GRIP, GS_AMBER, GS_VISOR };

void PaintGunnerAtlas(const TCanvas& c) {
    using namespace palette;
    c.Fill(Steel);
    PaintCell(c, GS_SKIN, {0.78, 0.56, 0.42}, 0.08, 11);
    PaintCell(c, GS_JACKET, {0.20, 0.22, 0.26}, 0.2, 12, 0.05);
    PaintCell(c, GS_TROUSERS, {0.16, 0.16, 0.20}, 0.2, 13, 0.08);
    PaintCell(c, GS_HELMET, {0.30, 0.30, 0.30}, 0.15, 14);
    PaintCell(c, GS_GUNMETAL, {0.22, 0.23, 0.26}, 0.1, 15, 0.1);
    PaintCell(c, GS_GRIP, {0.35, 0.22, 0.12}, 0.2, 16, 0.3);
    PaintCell(c, GS_AMBER, Amber, 0.1, 17);
    PaintCell(c, GS_VISOR, {0.05, 0.06, 0.12}, 0.05, 18);
    // An amber band across the jacket's chest.
    double x, y;
    CellOrigin(GS_JACKET, x, y);
    c.SetColour(Amber);
    cairo_rectangle(c.Cr(), x, y + 24, 64, 8);
    cairo_fill(c.Cr());
}

enum class TGun { Pistol, Uzi, MachineGun };

TMesh Gunner(TGun gun) {
    TMesh mesh;
    const std::string material = "gunner.png";
    const int root = mesh.AddNode("root", -1, {});
    const int body = mesh.AddNode("body", root, {});
    // Arms reach forward to chest height; the muzzle is where the barrel ends.
    const double barrel = gun == TGun::Pistol ? 0.25 : gun == TGun::Uzi ? 0.35 : 0.9;
    const double gunY = -0.55, gunZ = 1.32, gunX = 0.12;
    mesh.AddNode("Flash", body, {gunX, gunY - barrel, gunZ + 0.04});
    mesh.Use(material, body);
    for (double side : {-1.0, 1.0})
        mesh.Box({side * 0.12 - 0.08, -0.1, 0}, {side * 0.12 + 0.08, 0.1, 0.85}, Cell(GS_TROUSERS));
    mesh.Box({-0.24, -0.14, 0.85}, {0.24, 0.14, 1.5}, Cell(GS_JACKET), Cell(GS_JACKET));
    mesh.Box({-0.08, -0.08, 1.5}, {0.08, 0.08, 1.58}, Cell(GS_SKIN));
    mesh.Ellipsoid({0, 0, 1.7}, {0.13, 0.14, 0.15}, 4, 6, Cell(GS_SKIN));
    mesh.Ellipsoid({0, 0.01, 1.76}, {0.15, 0.16, 0.11}, 3, 8, Cell(GS_HELMET));
    mesh.Box({-0.1, -0.15, 1.66}, {0.1, -0.1, 1.74}, Cell(GS_VISOR));
    // Upper arms down the sides, forearms forward to the grip.
    for (double side : {-1.0, 1.0}) {
        mesh.Box({side * 0.3 - 0.06, -0.06, 1.1}, {side * 0.3 + 0.06, 0.06, 1.45}, Cell(GS_JACKET));
        mesh.Box({side * 0.2 - 0.05, gunY + 0.1, 1.18}, {side * 0.2 + 0.05, -0.02, 1.28}, Cell(GS_JACKET));
    }
    mesh.Box({gunX - 0.04, gunY - barrel, gunZ - 0.03}, {gunX + 0.04, gunY + 0.05, gunZ + 0.08},
             Cell(GS_GUNMETAL));
    mesh.Box({gunX - 0.03, gunY - 0.02, gunZ - 0.18}, {gunX + 0.03, gunY + 0.05, gunZ}, Cell(GS_GRIP));
    if (gun == TGun::Uzi)
        mesh.Box({gunX - 0.025, gunY - 0.12, gunZ - 0.3}, {gunX + 0.025, gunY - 0.06, gunZ},
                 Cell(GS_GUNMETAL));
    if (gun == TGun::MachineGun) {
        mesh.Cylinder({gunX, gunY - barrel / 2 - 0.1, gunZ + 0.02}, 'y', 0.05, barrel, 6, Cell(GS_GUNMETAL),
                      Cell(GS_GUNMETAL));
        mesh.Box({gunX - 0.1, gunY - 0.05, gunZ - 0.12}, {gunX + 0.1, gunY + 0.2, gunZ + 0.12},
                 Cell(GS_GUNMETAL), Cell(GS_AMBER));
        mesh.Box({gunX - 0.12, gunY + 0.0, gunZ - 0.35}, {gunX - 0.02, gunY + 0.15, gunZ - 0.12},
                 Cell(GS_AMBER));
    }
    return mesh;
}

} // namespace

void GenerateGunnerModels(TDataTree& tree) {
    TCanvas atlas(256, 256, false);
    PaintGunnerAtlas(atlas);
    tree.Png("Data/Models/Gunner_pl/gunner.png", atlas);
    WriteModel(tree, "Data/Models/Gunner_pl", "gunner_gun", Gunner(TGun::Pistol));
    WriteModel(tree, "Data/Models/Gunner_pl", "gunner_uzi", Gunner(TGun::Uzi));
    WriteModel(tree, "Data/Models/Gunner_pl", "gunner_machinegun", Gunner(TGun::MachineGun));
}
