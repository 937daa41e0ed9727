// Data\Models\Player: the player's armed pickup, orange with a white stripe like the menu art and
// the HUD badge, with the nodes the player code looks up, and its break-up animation (the parts
// fly apart and settle over five seconds).
#include "Canvas.h"
#include "CarBody.h"
#include "DataTree.h"
#include "Generators.h"
#include "ModelFiles.h"
#include "Random.h"

#include <cmath>

namespace {

constexpr int kBreakFrames = 100, kBreakRate = 20; // the game shows frame dying time / 50
constexpr double kGravity = 14;

// A loose part: where it flies and how it tumbles.
struct TPart {
    int node;
    TVec3 velocity, spin;
};

// How far the part reaches below its node when turned by `angle`.
double Depth(const std::vector<TVec3>& vertices, const TVec3& angle) {
    double depth = 0;
    for (const TVec3& v : vertices)
        depth = std::max(depth, -Rotated(v, angle).z);
    return depth;
}

// Node positions and rotations of one part at every frame: thrown at frame 1, bouncing to rest.
std::vector<TNodePose> Fly(const TPart& part, const TVec3& start, const std::vector<TVec3>& vertices) {
    std::vector<TNodePose> track;
    TVec3 p = start, v = part.velocity, angle, spin = part.spin;
    bool resting = false;
    track.push_back({p, angle});
    constexpr int kSteps = 8;
    const double dt = 1.0 / kBreakRate / kSteps;
    for (int frame = 1; frame < kBreakFrames; ++frame) {
        for (int s = 0; s < kSteps && !resting; ++s) {
            v.z -= kGravity * dt;
            p = p + v * dt;
            angle = angle + spin * dt;
            const double depth = Depth(vertices, angle);
            if (p.z < depth) {
                p.z = depth;
                v = {v.x * 0.55, v.y * 0.55, -v.z * 0.35};
                spin = spin * 0.45;
                if (v.z < 0.8) resting = true;
            }
        }
        track.push_back({p, angle});
    }
    return track;
}

} // namespace

void GeneratePlayerCar(TDataTree& tree) {
    TCarDesign d;
    d.length = 4.6, d.halfWidth = 1.0, d.beltZ = 0.95, d.noseDrop = 0.12, d.cabinFront = -0.9;
    d.cabinRear = 0.4, d.roofZ = 1.65, d.windscreen = 0.55, d.backlight = 0.05, d.wheelRadius = 0.46;
    d.wheelBase = 2.9;
    d.paint = {palette::CarPaint, palette::Paper, true, false, false, 7, true};
    TCanvas atlas(256, 256, false);
    PaintCarAtlas(atlas, d.paint);
    tree.Png("Data/Models/Player/Player.png", atlas);
    const std::string material = "Player.png";

    TMesh mesh;
    const double w = d.halfWidth, front = -d.length / 2, rear = d.length / 2, r = d.wheelRadius;
    const double wx = w - 0.1, wf = -d.wheelBase / 2, wr = d.wheelBase / 2, hz = 0.6;
    const int root = mesh.AddNode("root", -1, {});
    const int chassis = mesh.AddNode("chassis", root, {});
    const int cabin = mesh.AddNode("cabin", root, {0, -0.25, d.beltZ});
    const int hood = mesh.AddNode("hood", root, {0, -1.65, d.beltZ});
    const int bedLeft = mesh.AddNode("bed_l", root, {w - 0.05, 1.4, d.beltZ + 0.15});
    const int bedRight = mesh.AddNode("bed_r", root, {-w + 0.05, 1.4, d.beltZ + 0.15});
    const int tailgate = mesh.AddNode("tailgate", root, {0, rear - 0.05, d.beltZ + 0.15});
    const int rollbar = mesh.AddNode("rollbar", root, {0, 0.65, 1.3});
    const int wheels[4] = {
        mesh.AddNode("wheel_rb", root, {-wx, wr, r}), mesh.AddNode("wheel_lb", root, {wx, wr, r}),
        mesh.AddNode("wheel_rt", root, {-wx, wf, r}), mesh.AddNode("wheel_lt", root, {wx, wf, r})};
    // The gunner stands in the bed: the game puts him 1.2 behind the weapon node.
    mesh.AddNode("weapon", chassis, {0, -0.1, d.beltZ - 0.1});
    mesh.AddNode("smoke", chassis, {-0.55, rear + 0.1, 0.35});
    mesh.AddNode("engine", chassis, {0, -1.6, d.beltZ});
    mesh.AddNode("hitbox_fbr", chassis, {-w, front, hz});
    mesh.AddNode("hitbox_fbl", chassis, {w, front, hz});
    mesh.AddNode("hitbox_bbl", chassis, {w, rear, hz});
    mesh.AddNode("hitbox_bbr", chassis, {-w, rear, hz});
    mesh.AddNode("hitbox_front", chassis, {0, front, hz});
    mesh.AddNode("hitbox_back", chassis, {0, rear, hz});
    mesh.AddNode("hitbox_left", chassis, {w, 0, hz});
    mesh.AddNode("hitbox_right", chassis, {-w, 0, hz});

    mesh.Use(material, chassis);
    AddProfileBody(mesh, HullProfile(d), w, w - 0.05, atlas::Side, atlas::Paint, atlas::Paint);
    mesh.Box({-w - 0.05, front - 0.1, 0.28}, {w + 0.05, front + 0.12, 0.55}, atlas::Chrome);
    mesh.Box({-w - 0.05, rear - 0.12, 0.28}, {w + 0.05, rear + 0.1, 0.5}, atlas::Trim);
    mesh.Box({-w * 0.5, front - 0.04, 0.5}, {w * 0.5, front + 0.05, 0.72}, atlas::Grille);
    for (double side : {-1.0, 1.0}) {
        const double x = side * (w - 0.25);
        mesh.Box({x - 0.18, front - 0.05, 0.58}, {x + 0.18, front + 0.05, 0.72}, atlas::Headlight);
        mesh.Box({x - 0.15, rear - 0.05, 0.6}, {x + 0.15, rear + 0.05, 0.78}, atlas::Taillight);
    }
    mesh.Use(material, cabin);
    const TProfile cab = {{d.cabinFront, d.beltZ - 0.02},
                          {d.cabinFront + d.windscreen, d.roofZ},
                          {d.cabinRear - d.backlight, d.roofZ},
                          {d.cabinRear, d.beltZ - 0.02}};
    AddProfileBody(mesh, cab, w - 0.08, w - 0.22, atlas::CabinSide, atlas::Paint, atlas::Glass);
    mesh.Use(material, hood);
    mesh.Box({-w + 0.15, -2.1, d.beltZ - 0.01}, {w - 0.15, -1.0, d.beltZ + 0.07}, atlas::Trim, atlas::Paint);
    mesh.Box({-0.3, -1.9, d.beltZ + 0.07}, {0.3, -1.3, d.beltZ + 0.22}, atlas::Grille, atlas::Trim);
    mesh.Use(material, bedLeft);
    mesh.Box({w - 0.1, d.cabinRear, d.beltZ - 0.02}, {w, rear - 0.05, d.beltZ + 0.32}, atlas::Side,
             atlas::Trim);
    mesh.Use(material, bedRight);
    mesh.Box({-w, d.cabinRear, d.beltZ - 0.02}, {-w + 0.1, rear - 0.05, d.beltZ + 0.32}, atlas::Side,
             atlas::Trim);
    mesh.Use(material, tailgate);
    mesh.Box({-w, rear - 0.12, d.beltZ - 0.02}, {w, rear - 0.02, d.beltZ + 0.32}, atlas::Side, atlas::Trim);
    mesh.Use(material, rollbar);
    for (double side : {-1.0, 1.0})
        mesh.Box({side * 0.85 - 0.06, 0.58, d.beltZ}, {side * 0.85 + 0.06, 0.72, 1.95}, atlas::Chrome);
    mesh.Box({-0.91, 0.58, 1.83}, {0.91, 0.72, 1.95}, atlas::Chrome);
    for (double side : {-1.0, 1.0})
        mesh.Box({side * 0.45 - 0.14, 0.55, 1.95}, {side * 0.45 + 0.14, 0.75, 2.1}, atlas::Indicator);
    for (int wheel : wheels) {
        mesh.Use(material, wheel);
        AddWheel(mesh, mesh.NodeModelPosition(wheel), r);
    }

    // Break-up: the chassis stays and the root never moves (the game discards root motion); every
    // other part is thrown outwards from the blast under the cab.
    TRandom random(2024);
    std::vector<TPart> parts = {{hood, {0, -3, 9}, {-5, 0, 1}},   {cabin, {0.5, 0.5, 6}, {1.5, 0, 0.6}},
                                {bedLeft, {4, 1, 4}, {0, 3, 0}},  {bedRight, {-4, 1, 4}, {0, -3, 0}},
                                {tailgate, {0, 4, 3}, {4, 0, 0}}, {rollbar, {0, 2, 8}, {3, 1, 0}}};
    for (int k = 0; k < 4; ++k) {
        const double side = k % 2 ? 1 : -1, end = k < 2 ? 1 : -1;
        parts.push_back({wheels[k],
                         {side * random.Range(3, 6), end * random.Range(1, 3), random.Range(3, 6)},
                         {random.Range(-8, 8), random.Range(-3, 3), 0}});
    }
    std::vector<TSkeletonFrame> frames(kBreakFrames, mesh.BindFrame());
    for (const TPart& part : parts) {
        const std::vector<TNodePose> track =
            Fly(part, mesh.NodeModelPosition(part.node), mesh.BoneVertices(part.node));
        for (int f = 0; f < kBreakFrames; ++f)
            frames[f][part.node] = track[f];
    }
    // The chassis sinks onto its rims and lists a little.
    for (int f = 1; f < kBreakFrames; ++f) {
        const double k = std::min(1.0, f / 10.0);
        frames[f][chassis] = {{0, 0, -0.2 * k}, {0.04 * k, -0.06 * k, 0}};
    }
    WriteModel(tree, "Data/Models/Player", "Player", mesh, {{"Player_break.smd", kBreakRate, frames}});
}
