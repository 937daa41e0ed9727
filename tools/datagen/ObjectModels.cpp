// Data\Objects: the rocket, the debris chunk and the roadside objects the block sets place (trees,
// lamps, barriers, signs, buildings, rocks, bridges, gantries, snowy and desert pieces), all sharing
// one swatch atlas. Objects face +y (towards the oncoming camera); long ones run along x. Objects
// a car can hit get a ".col" radius file; "_vl0" pieces are drawn over the traffic, "_vl1" pieces
// over the weather, "_sh_vl0" pieces are the shadow-casting supports of a "_vl0" piece.
#include "Canvas.h"
#include "DataTree.h"
#include "Generators.h"
#include "ModelFiles.h"
#include "Random.h"
#include "Swatches.h"

#include <cmath>
#include <cstdio>

namespace {

enum TObjectSwatch {
    OS_BARK,
    OS_PINE,
    OS_LEAVES,
    OS_SNOW,
    OS_CONCRETE,
    OS_METAL,
    OS_STEEL,
    OS_ROCK,
    OS_SANDSTONE,
    OS_FACADE,
    OS_ROOF,
    OS_SIGN,
    OS_BILLBOARD,
    OS_LAMP,
    OS_CACTUS,
    OS_HAZARD
};

const std::string kMaterial = "objects.png";

void Box(const TCanvas& c, double x, double y, double w, double h, const TColour& colour) {
    c.SetColour(colour);
    cairo_rectangle(c.Cr(), x, y, w, h);
    cairo_fill(c.Cr());
}

void PaintObjectAtlas(const TCanvas& c) {
    using namespace palette;
    c.Fill(Steel);
    PaintCell(c, OS_BARK, {0.30, 0.20, 0.13}, 0.2, 101, 0.35);
    PaintCell(c, OS_PINE, {0.10, 0.26, 0.16}, 0.35, 102);
    PaintCell(c, OS_LEAVES, {0.22, 0.40, 0.16}, 0.4, 103);
    PaintCell(c, OS_SNOW, {0.88, 0.91, 0.97}, 0.06, 104);
    PaintCell(c, OS_CONCRETE, {0.55, 0.55, 0.53}, 0.15, 105);
    PaintCell(c, OS_METAL, Chrome, 0.08, 106, 0.1);
    PaintCell(c, OS_STEEL, SteelLight, 0.1, 107);
    PaintCell(c, OS_ROCK, {0.42, 0.40, 0.38}, 0.35, 108);
    PaintCell(c, OS_SANDSTONE, {0.74, 0.50, 0.30}, 0.3, 109, 0.15);
    PaintCell(c, OS_FACADE, {0.50, 0.47, 0.45}, 0.1, 110);
    PaintCell(c, OS_ROOF, {0.24, 0.15, 0.14}, 0.2, 111);
    PaintCell(c, OS_SIGN, Paper, 0.02, 112);
    PaintCell(c, OS_BILLBOARD, Indigo, 0.02, 113);
    PaintCell(c, OS_LAMP, Amber.Mix(White, 0.4), 0.02, 114);
    PaintCell(c, OS_CACTUS, {0.27, 0.45, 0.25}, 0.1, 115, 0.4);
    double x, y;
    // Facade: rows of windows by day, the sky in some panes, the rooms dim behind others.
    CellOrigin(OS_FACADE, x, y);
    TRandom random(116);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            Box(c, x + 4 + col * 15, y + 4 + row * 15, 9, 10,
                random.Unit() < 0.45 ? TColour{0.55, 0.68, 0.82} : TColour{0.24, 0.30, 0.38});
    // Roof tiles.
    CellOrigin(OS_ROOF, x, y);
    for (int k = 0; k < 8; ++k)
        Box(c, x, y + k * 8 + 6, 64, 2, Night.WithAlpha(0.5));
    // A speed-limit disc.
    CellOrigin(OS_SIGN, x, y);
    c.SetColour(Danger);
    cairo_arc(c.Cr(), x + 32, y + 32, 29, 0, 2 * M_PI);
    cairo_fill(c.Cr());
    c.SetColour(Paper);
    cairo_arc(c.Cr(), x + 32, y + 32, 21, 0, 2 * M_PI);
    cairo_fill(c.Cr());
    c.SelectFont(TFace::Title, 24);
    c.SetColour(Night);
    c.Text("90", x + 32, y + 41, 0.5);
    // Billboard: the dusk sky, a road chevron and a speeding amber wedge.
    CellOrigin(OS_BILLBOARD, x, y);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, y, 0, y + 64);
    cairo_pattern_add_color_stop_rgb(sky, 0, Indigo.r, Indigo.g, Indigo.b);
    cairo_pattern_add_color_stop_rgb(sky, 0.6, Dusk.r, Dusk.g, Dusk.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, Horizon.r, Horizon.g, Horizon.b);
    cairo_set_source(c.Cr(), sky);
    cairo_rectangle(c.Cr(), x, y, 64, 64);
    cairo_fill(c.Cr());
    cairo_pattern_destroy(sky);
    c.SetColour(Amber);
    cairo_move_to(c.Cr(), x + 8, y + 44);
    cairo_line_to(c.Cr(), x + 56, y + 30);
    cairo_line_to(c.Cr(), x + 50, y + 44);
    cairo_close_path(c.Cr());
    cairo_fill(c.Cr());
    for (int k = 0; k < 3; ++k)
        Box(c, x + 6 + k * 6, y + 48, 10, 3, Paper);
    // Hazard stripes.
    CellOrigin(OS_HAZARD, x, y);
    Box(c, x, y, 64, 64, Amber);
    cairo_save(c.Cr());
    cairo_rectangle(c.Cr(), x, y, 64, 64);
    cairo_clip(c.Cr());
    c.SetColour(Night);
    for (int k = -4; k < 8; ++k) {
        cairo_move_to(c.Cr(), x + k * 16, y + 64);
        cairo_line_to(c.Cr(), x + k * 16 + 8, y + 64);
        cairo_line_to(c.Cr(), x + k * 16 + 72, y);
        cairo_line_to(c.Cr(), x + k * 16 + 64, y);
        cairo_close_path(c.Cr());
    }
    cairo_fill(c.Cr());
    cairo_restore(c.Cr());
}

// A model with one node ("body") that all its triangles skin to.
struct TObject {
    TMesh mesh;
    TObject() {
        const int root = mesh.AddNode("root", -1, {});
        mesh.Use(kMaterial, mesh.AddNode("body", root, {}));
    }
};

void Cone(TMesh& m, const TVec3& base, double radius, double height, int cell, int segments = 7) {
    m.Cylinder(base + TVec3{0, 0, height / 2}, 'z', radius, height, segments, Cell(cell), Cell(cell), true,
               0);
}

TMesh Pine(bool snowy) {
    TObject o;
    o.mesh.Cylinder({0, 0, 0.8}, 'z', 0.28, 1.6, 6, Cell(OS_BARK), Cell(OS_BARK));
    const double radii[3] = {2.1, 1.6, 1.1};
    for (int k = 0; k < 3; ++k) {
        Cone(o.mesh, {0, 0, 1.2 + k * 1.6}, radii[k], 3.0, OS_PINE);
        if (snowy) Cone(o.mesh, {0, 0, 2.5 + k * 1.6}, radii[k] * 0.62, 1.8, OS_SNOW);
    }
    return o.mesh;
}

TMesh Oak() {
    TObject o;
    o.mesh.Cylinder({0, 0, 1.4}, 'z', 0.35, 2.8, 6, Cell(OS_BARK), Cell(OS_BARK), true, 0.25);
    o.mesh.Ellipsoid({0, 0, 4.0}, {2.4, 2.2, 1.8}, 4, 8, Cell(OS_LEAVES), 0.18, 21);
    o.mesh.Ellipsoid({1.0, 0.6, 4.9}, {1.5, 1.4, 1.2}, 3, 7, Cell(OS_LEAVES), 0.2, 22);
    return o.mesh;
}

TMesh DeadTree() {
    TObject o;
    o.mesh.Cylinder({0, 0, 2.0}, 'z', 0.3, 4.0, 5, Cell(OS_BARK), Cell(OS_BARK), true, 0.12);
    o.mesh.Cylinder({0.8, 0, 3.0}, 'x', 0.12, 1.6, 4, Cell(OS_BARK), Cell(OS_BARK));
    o.mesh.Cylinder({1.55, 0, 3.5}, 'z', 0.1, 1.0, 4, Cell(OS_BARK), Cell(OS_BARK), true, 0.03);
    o.mesh.Cylinder({0, -0.6, 2.4}, 'y', 0.1, 1.2, 4, Cell(OS_BARK), Cell(OS_BARK));
    return o.mesh;
}

TMesh Bush() {
    TObject o;
    o.mesh.Ellipsoid({0, 0, 0.6}, {1.3, 1.1, 0.8}, 3, 7, Cell(OS_LEAVES), 0.25, 31);
    return o.mesh;
}

TMesh Cactus() {
    TObject o;
    o.mesh.Cylinder({0, 0, 1.7}, 'z', 0.35, 3.4, 7, Cell(OS_CACTUS), Cell(OS_CACTUS));
    o.mesh.Cylinder({0.6, 0, 1.4}, 'x', 0.18, 0.9, 6, Cell(OS_CACTUS), Cell(OS_CACTUS));
    o.mesh.Cylinder({0.95, 0, 2.0}, 'z', 0.18, 1.3, 6, Cell(OS_CACTUS), Cell(OS_CACTUS));
    o.mesh.Cylinder({-0.5, 0, 2.1}, 'x', 0.16, 0.7, 6, Cell(OS_CACTUS), Cell(OS_CACTUS));
    o.mesh.Cylinder({-0.75, 0, 2.6}, 'z', 0.16, 1.0, 6, Cell(OS_CACTUS), Cell(OS_CACTUS));
    return o.mesh;
}

// A street lamp whose arm reaches over the road along +x.
TMesh LampPost() {
    TObject o;
    o.mesh.Cylinder({0, 0, 4.0}, 'z', 0.15, 8.0, 6, Cell(OS_STEEL), Cell(OS_STEEL), true, 0.09);
    o.mesh.Box({0, -0.08, 7.8}, {3.0, 0.08, 8.0}, Cell(OS_STEEL));
    o.mesh.Box({2.4, -0.25, 7.55}, {3.4, 0.25, 7.85}, Cell(OS_STEEL), Cell(OS_STEEL));
    o.mesh.Box({2.5, -0.2, 7.5}, {3.3, 0.2, 7.56}, Cell(OS_LAMP));
    o.mesh.Box({-0.3, -0.3, 0}, {0.3, 0.3, 0.5}, Cell(OS_CONCRETE));
    return o.mesh;
}

// Concrete road barrier, 6 long, in the usual safety profile.
TMesh Barrier() {
    TObject o;
    o.mesh.Extrude(
        0,
        {{-0.4, 0}, {-0.4, 0.1}, {-0.25, 0.3}, {-0.12, 0.9}, {0.12, 0.9}, {0.25, 0.3}, {0.4, 0.1}, {0.4, 0}},
        3.0, 3.0, Cell(OS_CONCRETE), [](size_t) { return Cell(OS_CONCRETE); });
    o.mesh.Box({-3.0, -0.13, 0.6}, {3.0, 0.13, 0.75}, Cell(OS_HAZARD));
    return o.mesh;
}

TMesh Guardrail() {
    TObject o;
    for (int k = 0; k < 4; ++k)
        o.mesh.Box({-3.9 + k * 2.6, -0.08, 0}, {-3.75 + k * 2.6, 0.08, 0.75}, Cell(OS_STEEL));
    o.mesh.Box({-4.0, 0.08, 0.45}, {4.0, 0.2, 0.75}, Cell(OS_METAL));
    return o.mesh;
}

TMesh Fence() {
    TObject o;
    for (int k = 0; k < 5; ++k)
        o.mesh.Box({-4.0 + k * 1.95, -0.08, 0}, {-3.85 + k * 1.95, 0.08, 1.3}, Cell(OS_BARK));
    for (double z : {0.5, 1.0})
        o.mesh.Box({-4.0, 0.08, z}, {4.0, 0.14, z + 0.16}, Cell(OS_BARK));
    return o.mesh;
}

TMesh SpeedSign() {
    TObject o;
    o.mesh.Cylinder({0, 0, 1.25}, 'z', 0.05, 2.5, 5, Cell(OS_METAL), Cell(OS_METAL));
    o.mesh.Cylinder({0, 0.08, 2.6}, 'y', 0.55, 0.06, 12, Cell(OS_METAL), Cell(OS_SIGN));
    return o.mesh;
}

TMesh ChevronSign() {
    TObject o;
    for (double x : {-0.6, 0.6})
        o.mesh.Cylinder({x, 0, 0.9}, 'z', 0.05, 1.8, 5, Cell(OS_METAL), Cell(OS_METAL));
    o.mesh.Box({-0.9, 0.06, 1.4}, {0.9, 0.12, 2.1}, Cell(OS_HAZARD));
    return o.mesh;
}

TMesh House() {
    TObject o;
    o.mesh.Box({-4, -3, 0}, {4, 3, 3.2}, Cell(OS_FACADE), Cell(OS_ROOF));
    o.mesh.Extrude(0, {{-3.4, 3.2}, {0, 5.4}, {3.4, 3.2}}, 4.3, 4.3, Cell(OS_FACADE),
                   [](size_t i) { return Cell(i == 2 ? OS_FACADE : OS_ROOF); });
    o.mesh.Box({2, -1, 4}, {2.7, -0.3, 6}, Cell(OS_ROCK));
    return o.mesh;
}

TMesh Building(double height) {
    TObject o;
    o.mesh.Box({-6, -6, 0}, {6, 6, height}, Cell(OS_FACADE), Cell(OS_CONCRETE));
    o.mesh.Box({-6.3, -6.3, height}, {6.3, 6.3, height + 0.6}, Cell(OS_CONCRETE));
    o.mesh.Box({-2, -2, height + 0.6}, {2, 2, height + 2.2}, Cell(OS_STEEL));
    if (height > 30) o.mesh.Cylinder({0, 0, height + 5}, 'z', 0.12, 6, 4, Cell(OS_METAL), Cell(OS_LAMP));
    return o.mesh;
}

TMesh Rock(const TVec3& radii, int cell, unsigned seed) {
    TObject o;
    o.mesh.Ellipsoid({0, 0, radii.z * 0.6}, radii, 4, 7, Cell(cell), 0.3, seed);
    return o.mesh;
}

TMesh Mesa() {
    TObject o;
    o.mesh.Cylinder({0, 0, 5}, 'z', 9, 10, 9, Cell(OS_SANDSTONE), Cell(OS_SANDSTONE), true, 6.5);
    o.mesh.Ellipsoid({4, 5, 1}, {4, 3, 2.5}, 3, 6, Cell(OS_SANDSTONE), 0.3, 61);
    return o.mesh;
}

TMesh Billboard() {
    TObject o;
    for (double x : {-3.0, 3.0})
        o.mesh.Box({x - 0.15, -0.15, 0}, {x + 0.15, 0.15, 4.5}, Cell(OS_STEEL));
    o.mesh.Box({-4.5, -0.1, 4.0}, {4.5, 0.1, 8.5}, Cell(OS_BILLBOARD), Cell(OS_STEEL));
    o.mesh.Box({-4.5, 0.1, 3.9}, {4.5, 0.9, 4.0}, Cell(OS_STEEL));
    return o.mesh;
}

// A road bridge across the carriageway: the deck (drawn over the cars) and its pillars.
TMesh OverpassDeck() {
    TObject o;
    o.mesh.Box({-40, -3, 7.0}, {40, 3, 8.4}, Cell(OS_CONCRETE), Cell(OS_ROCK));
    for (double y : {-3.0, 2.6})
        o.mesh.Box({-40, y, 8.4}, {40, y + 0.4, 9.4}, Cell(OS_CONCRETE));
    o.mesh.Box({-40, -3.05, 7.6}, {40, -2.95, 8.0}, Cell(OS_HAZARD));
    return o.mesh;
}

TMesh OverpassPillars() {
    TObject o;
    for (double x : {-21.0, 21.0}) {
        o.mesh.Box({x - 1, -1.5, 0}, {x + 1, 1.5, 7.0}, Cell(OS_CONCRETE));
        o.mesh.Box({x - 1.5, -2.8, 6.4}, {x + 1.5, 2.8, 7.0}, Cell(OS_CONCRETE));
    }
    return o.mesh;
}

TMesh GantryBeam() {
    TObject o;
    o.mesh.Box({-17, -0.3, 7.2}, {17, 0.3, 7.8}, Cell(OS_STEEL));
    for (double x : {-8.0, 4.0})
        o.mesh.Box({x - 3, 0.3, 6.0}, {x + 3, 0.4, 8.6}, Cell(OS_HAZARD), Cell(OS_STEEL));
    return o.mesh;
}

TMesh GantryPosts() {
    TObject o;
    for (double x : {-17.0, 17.0})
        o.mesh.Box({x - 0.35, -0.35, 0}, {x + 0.35, 0.35, 7.8}, Cell(OS_STEEL));
    return o.mesh;
}

// A lit arch over a city street, drawn after rain and smoke so the lamps stay bright.
TMesh Arch() {
    TObject o;
    for (double x : {-18.0, 18.0})
        o.mesh.Box({x - 0.5, -0.5, 0}, {x + 0.5, 0.5, 10}, Cell(OS_STEEL));
    o.mesh.Box({-18.5, -0.5, 10}, {18.5, 0.5, 11}, Cell(OS_STEEL));
    for (int k = 0; k < 9; ++k)
        o.mesh.Box({-16 + k * 4.0 - 0.4, -0.55, 10.2}, {-16 + k * 4.0 + 0.4, 0.55, 10.8}, Cell(OS_LAMP));
    return o.mesh;
}

TMesh WaterTower() {
    TObject o;
    for (int k = 0; k < 4; ++k)
        o.mesh.Box({(k % 2 ? 1.6 : -1.8), (k / 2 ? 1.6 : -1.8), 0},
                   {(k % 2 ? 1.8 : -1.6), (k / 2 ? 1.8 : -1.6), 7}, Cell(OS_STEEL));
    o.mesh.Cylinder({0, 0, 9}, 'z', 2.6, 4, 10, Cell(OS_METAL), Cell(OS_ROOF));
    Cone(o.mesh, {0, 0, 11}, 2.8, 1.5, OS_ROOF, 10);
    return o.mesh;
}

TMesh TrafficCone() {
    TObject o;
    o.mesh.Box({-0.3, -0.3, 0}, {0.3, 0.3, 0.06}, Cell(OS_STEEL));
    o.mesh.Cylinder({0, 0, 0.45}, 'z', 0.22, 0.8, 8, Cell(OS_HAZARD), Cell(OS_HAZARD), true, 0.04);
    return o.mesh;
}

TMesh TyreStack() {
    TObject o;
    for (int k = 0; k < 3; ++k)
        o.mesh.Cylinder({0, 0, 0.17 + k * 0.34}, 'z', 0.55, 0.32, 10, Cell(OS_STEEL), Cell(OS_STEEL));
    return o.mesh;
}

TMesh SnowBank() {
    TObject o;
    o.mesh.Ellipsoid({0, 0, 0.1}, {3.5, 1.4, 0.9}, 3, 8, Cell(OS_SNOW), 0.15, 71);
    return o.mesh;
}

// A rocket in flight: nose along +y, the way the game orients it by its yaw.
TMesh Rocket() {
    TObject o;
    o.mesh.Cylinder({0, 0, 0}, 'y', 0.12, 0.9, 8, Cell(OS_METAL), Cell(OS_LAMP));
    o.mesh.Cylinder({0, 0.6, 0}, 'y', 0.12, 0.3, 8, Cell(OS_HAZARD), Cell(OS_METAL), true, 0);
    o.mesh.Box({-0.35, -0.45, -0.02}, {0.35, -0.25, 0.02}, Cell(OS_STEEL));
    o.mesh.Box({-0.02, -0.45, -0.35}, {0.02, -0.25, 0.35}, Cell(OS_STEEL));
    return o.mesh;
}

// A torn piece of car body.
TMesh Debris() {
    TObject o;
    o.mesh.Ellipsoid({0, 0, 0.15}, {0.45, 0.3, 0.16}, 3, 5, Cell(OS_STEEL), 0.4, 81);
    o.mesh.Box({-0.1, -0.5, 0.1}, {0.5, -0.05, 0.16}, Cell(OS_METAL));
    return o.mesh;
}

struct TRoadsideObject {
    const char* name;
    TMesh mesh;
    double radius; // contact radius for the ".col" file; 0 for none
};

} // namespace

void GenerateObjectModels(TDataTree& tree) {
    TCanvas atlas(256, 256, false);
    PaintObjectAtlas(atlas);
    tree.Png("Data/Objects/objects.png", atlas);
    WriteModel(tree, "Data/Objects", "rocket", Rocket());
    WriteModel(tree, "Data/Objects", "kusok", Debris());

    const TRoadsideObject objects[] = {
        {"tree_pine", Pine(false), 1.0},
        {"tree_pine_snow", Pine(true), 1.0},
        {"tree_oak", Oak(), 1.2},
        {"tree_dead", DeadTree(), 0.6},
        {"bush", Bush(), 0},
        {"cactus", Cactus(), 0.6},
        {"lamp_post", LampPost(), 0.5},
        {"barrier", Barrier(), 0},
        {"guardrail", Guardrail(), 0},
        {"fence", Fence(), 0},
        {"sign_speed", SpeedSign(), 0.4},
        {"sign_chevron", ChevronSign(), 0.8},
        {"house", House(), 4.5},
        {"building", Building(18), 7},
        {"tower", Building(36), 7},
        {"rock_large", Rock({2.6, 2.2, 1.8}, OS_ROCK, 51), 2.2},
        {"rock_small", Rock({0.9, 0.7, 0.6}, OS_ROCK, 52), 0},
        {"rock_desert", Rock({3.2, 2.4, 2.4}, OS_SANDSTONE, 53), 2.6},
        {"mesa", Mesa(), 0},
        {"billboard", Billboard(), 1.0},
        {"overpass_vl0", OverpassDeck(), 0},
        {"overpass_sh_vl0", OverpassPillars(), 0},
        {"gantry_vl0", GantryBeam(), 0},
        {"gantry_sh_vl0", GantryPosts(), 0},
        {"arch_vl1", Arch(), 0},
        {"water_tower", WaterTower(), 3.0},
        {"traffic_cone", TrafficCone(), 0.4},
        {"tyre_stack", TyreStack(), 0.7},
        {"snow_bank", SnowBank(), 0},
    };
    for (const TRoadsideObject& object : objects) {
        WriteModel(tree, "Data/Objects", object.name, object.mesh);
        if (object.radius > 0) {
            char line[32];
            std::snprintf(line, sizeof line, "%.1f\r\n", object.radius);
            tree.Text(std::string("Data/Objects/") + object.name + ".col", line);
        }
    }
}
