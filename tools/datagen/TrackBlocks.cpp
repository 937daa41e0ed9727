// Data\Maps\<set>: the four block sets (countryside "grass", "city", "desert", "winter"), each a
// "main.trk" list of blocks and the blocks' ".map" and "_col.map" files, plus block sequences.
//
// A block is 40 units of road from y = 0 (where it joins the block before) to y = -40. Lanes are
// 5 wide, lane k centred at x = -17.5 + 5k; the usual road has lanes 2 to 5 (x -10 .. 10), so the
// player's start at x = -10 is its edge and the lane at x = -2.5 is lane 3. Roads widen to six
// lanes or narrow to three over y = -12 .. -28. A block's file name is its "main.trk" line: the
// six enter-lane flags, "_", the six exit-lane flags, "_" and its number. Beyond the verges the
// blocks draw a valley's hills (Valley.h); their collision maps end at the verges.
#include "BlockMap.h"
#include "DataTree.h"
#include "Generators.h"
#include "Random.h"
#include "StageSequences.h"
#include "Valley.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double kTaperStart = -12, kTaperEnd = -28, kGroundEdge = 96;

struct TLanes {
    const char* flags; // "1" for each lane 1..6 present
    double left, right;
};
const TLanes kFour{"011110", -10, 10};
const TLanes kSix{"111111", -15, 15};
const TLanes kThree{"011100", -10, 5};

double LaneX(int lane) {
    return -17.5 + 5 * lane;
}
bool HasLane(const TLanes& lanes, int lane) {
    return lanes.flags[lane - 1] == '1';
}

enum class TFeature {
    Start,
    Plain,
    Overpass,
    Merge,
    JunctionRight,
    JunctionLeft,
    Dusty,
    Woods,
    Roadworks,
    Slick,
    Drop
};

struct TBlockPlan {
    const TLanes& enter;
    const TLanes& exit;
    TFeature feature;
};

// The blocks of a set, in "main.trk" order. Every lane pattern that leaves a block enters another.
// A random track opens with blocks 1, 2, 3 and 1 again, so those four must chain.
const std::vector<TBlockPlan>& Blocks(bool hazards) {
    static const std::vector<TBlockPlan> base = {
        {kFour, kFour, TFeature::Start},         {kFour, kFour, TFeature::Plain},
        {kFour, kFour, TFeature::Woods},         {kFour, kFour, TFeature::JunctionRight},
        {kFour, kFour, TFeature::Dusty},         {kFour, kSix, TFeature::Merge},
        {kSix, kSix, TFeature::Overpass},        {kSix, kSix, TFeature::JunctionLeft},
        {kSix, kFour, TFeature::Merge},          {kFour, kThree, TFeature::Merge},
        {kThree, kThree, TFeature::Roadworks},   {kThree, kFour, TFeature::Merge},
    };
    static std::vector<TBlockPlan> withHazards = [] {
        std::vector<TBlockPlan> all = base;
        all.push_back({kFour, kFour, TFeature::Slick});
        all.push_back({kFour, kFour, TFeature::Drop});
        return all;
    }();
    return hazards ? withHazards : base;
}

struct TScenery {
    const char* model;
    double weight, radius; // how often it is picked; its footprint
};

struct TTheme {
    const char* name;
    const char* road;
    const char* shoulder;
    const char* verge;
    const char* vergeCollision; // what driving on the verge is like
    bool dustyShoulders;
    const char* slick; // the no-control patch of the hazard blocks: "oil" or "ice"
    const char* drop;  // what lies below the bridge of the hazard blocks
    bool hazards;
    bool streetLamps;
    std::vector<TScenery> scenery;
};

const std::vector<TTheme>& Themes() {
    static const std::vector<TTheme> themes = {
        {"grass",
         "road_lane",
         "gravel",
         "grass",
         "COL_GRASS",
         false,
         "oil",
         "water",
         false,
         false,
         {{"tree_oak", 3, 3},
          {"tree_pine", 3, 2.5},
          {"bush", 3, 1.5},
          {"rock_small", 1, 1},
          {"house", 0.6, 6},
          {"fence", 1, 4},
          {"billboard", 0.4, 5}}},
        {"city",
         "road_lane",
         "pavement",
         "plaza",
         "COL_BACK",
         false,
         "oil",
         "water",
         true,
         true,
         {{"building", 3, 8},
          {"tower", 2, 8},
          {"billboard", 1, 5},
          {"bush", 1, 1.5},
          {"traffic_cone", 0.5, 0.5}}},
        {"desert",
         "road_lane",
         "sand",
         "sand",
         "COL_BACK",
         true,
         "oil",
         "chasm",
         true,
         false,
         {{"cactus", 4, 1.5},
          {"rock_desert", 2, 3.5},
          {"tree_dead", 2, 2},
          {"mesa", 0.6, 10},
          {"water_tower", 0.4, 3},
          {"billboard", 0.4, 5},
          {"tyre_stack", 0.6, 1}}},
        {"winter",
         "road_snow_lane",
         "gravel",
         "snow",
         "COL_GRASS",
         false,
         "ice",
         "water",
         true,
         false,
         {{"tree_pine_snow", 5, 2.5},
          {"snow_bank", 2, 4},
          {"rock_large", 1, 3},
          {"house", 0.5, 6},
          {"fence", 0.8, 4}}},
    };
    return themes;
}

// The road edges at y, widening or narrowing between the taper's ends.
void Edges(const TBlockPlan& b, double y, double& left, double& right) {
    const double t = std::clamp((y - kTaperStart) / (kTaperEnd - kTaperStart), 0.0, 1.0);
    left = b.enter.left + (b.exit.left - b.enter.left) * t;
    right = b.enter.right + (b.exit.right - b.enter.right) * t;
}

class TBlockBuilder {
public:
    TBlockBuilder(const TTheme& theme, const TBlockPlan& plan, uint64_t seed)
        : theme_(theme), plan_(plan), random_(seed) {}

    void Build() {
        Ground();
        Feature();
        Land();
        Lanes();
        Scenery();
    }
    std::string MapText() const { return map_.Text(); }
    std::string CollisionText() const { return collision_.Text(); }

private:
    double ShoulderWidth() const { return plan_.feature == TFeature::Dusty ? 6 : 2.5; }

    // Road, edge lines, shoulders and verges in three lengths: before, along and after the taper.
    void Ground() {
        const bool bridge = plan_.feature == TFeature::Drop;
        const bool dusty = theme_.dustyShoulders || plan_.feature == TFeature::Dusty;
        const double sw = ShoulderWidth();
        const double ys[4] = {0, kTaperStart, kTaperEnd, -40};
        for (int s = 0; s < 3; ++s) {
            double l0, r0, l1, r1;
            Edges(plan_, ys[s], l0, r0);
            Edges(plan_, ys[s + 1], l1, r1);
            const double y0 = ys[s], y1 = ys[s + 1];
            map_.Strip(y0, y1, l0, r0, l1, r1, bridge ? -1.5 : -1, 0, theme_.road);
            for (double side : {-1.0, 1.0}) {
                const double e0 = side < 0 ? l0 : r0, e1 = side < 0 ? l1 : r1;
                map_.Strip(y0, y1, e0 - 0.15, e0 + 0.15, e1 - 0.15, e1 + 0.15, 0, 0.03, "road_edge");
                if (bridge) continue;
                map_.Strip(y0, y1, Lo(side, e0, sw), Hi(side, e0, sw), Lo(side, e1, sw), Hi(side, e1, sw), -1,
                           -0.02,
                           dusty ? (theme_.dustyShoulders ? theme_.shoulder : "gravel") : theme_.shoulder);
                if (dusty)
                    collision_.Strip(y0, y1, Lo(side, e0, sw), Hi(side, e0, sw), Lo(side, e1, sw),
                                     Hi(side, e1, sw), -2, 2, "COL_BACK");
                const double v0 = e0 + side * sw, v1 = e1 + side * sw;
                const double far = side * kGroundEdge, foot = side * kHillFoot;
                map_.Strip(y0, y1, std::min(v0, foot), std::max(v0, foot), std::min(v1, foot), std::max(v1, foot),
                           -1.5, -0.1, theme_.verge, 2);
                collision_.Strip(y0, y1, std::min(v0, far), std::max(v0, far), std::min(v1, far),
                                 std::max(v1, far), -2, 2, theme_.vergeCollision);
            }
        }
    }
    static double Lo(double side, double edge, double width) { return side < 0 ? edge - width : edge; }
    static double Hi(double side, double edge, double width) { return side < 0 ? edge : edge + width; }

    void Object(const std::string& model, const TVec3& at, int yaw) {
        map_.Entity("OBJECT_SIMPLE", {{"Model", model}, {"angles", "0 " + std::to_string(yaw) + " 0"}}, at);
        occupied_.push_back({at.x, at.y, 4});
    }

    void Feature() {
        double left, right;
        Edges(plan_, -20, left, right);
        switch (plan_.feature) {
        case TFeature::Start:
            map_.Box({left, -21, 0}, {right, -19, 0.03}, "finish_line", 2);
            Object("gantry_vl0", {0, -20, 0}, 90);
            Object("gantry_sh_vl0", {0, -20, 0}, 90);
            break;
        case TFeature::Overpass:
            if (std::string(theme_.name) == "city") {
                Object("arch_vl1", {0, -20, 0}, 90);
            } else {
                Object("overpass_vl0", {0, -20, 0}, 90);
                Object("overpass_sh_vl0", {0, -20, 0}, 90);
            }
            break;
        case TFeature::Merge: {
            // A chevron where the road narrows or widens, on the side that changes.
            const bool leftChanges = plan_.enter.left != plan_.exit.left;
            const double x = leftChanges ? std::min(plan_.enter.left, plan_.exit.left) - 3.5
                                         : std::max(plan_.enter.right, plan_.exit.right) + 3.5;
            Object("sign_chevron", {x, -12, -0.1}, 90);
            break;
        }
        case TFeature::JunctionRight:
        case TFeature::JunctionLeft: {
            // A side road joining from the verge: slower than the main road, faster than the verge.
            const double side = plan_.feature == TFeature::JunctionRight ? -1 : 1;
            const double edge = side < 0 ? left : right;
            const double x0 = side < 0 ? -kGroundEdge : edge, x1 = side < 0 ? edge : kGroundEdge;
            // Drawn up to the cliff, where it runs into a tunnel.
            map_.Box({side < 0 ? -kCliffFoot : edge, -26, -1}, {side < 0 ? edge : kCliffFoot, -14, -0.01}, "road_plain");
            collision_.Box({x0, -26, -2}, {x1, -14, 2}, "COL_ROAD");
            occupied_.push_back({side * 50, -20, 60});
            Object("sign_speed", {edge + side * 4, -28, -0.1}, 90);
            break;
        }
        case TFeature::Roadworks:
            for (int k = 0; k < 5; ++k)
                Object("traffic_cone", {right + 0.8, -4 - k * 8.0, 0}, 90);
            Object("barrier", {right + 1.6, -12, -0.02}, 0);
            Object("barrier", {right + 1.6, -28, -0.02}, 0);
            break;
        case TFeature::Slick:
            // The patch's soft edge needs transparency, so it is an object, not a block face.
            Object(std::string(theme_.slick) + "_patch", {0, -21, 0}, 90);
            collision_.Box({-5, -26, -2}, {5, -16, 2}, "COL_NOCONTROL");
            break;
        case TFeature::Drop:
            // A bridge: parapets along the road, a drop to water or rock below, and death beyond.
            for (double side : {-1.0, 1.0}) {
                const double edge = side < 0 ? left : right;
                const double in = edge + side * 0.3, out = edge + side * 0.8;
                map_.Box({std::min(in, out), -40, -1.5}, {std::max(in, out), 0, 0.9}, "concrete");
                const double far = side * kGroundEdge, near = edge + side * 0.8, foot = side * kHillFoot;
                map_.Box({std::min(near, foot), -40, -2.6}, {std::max(near, foot), 0, -1.6}, theme_.drop, 2);
                collision_.Box({std::min(near, far), -40, -2}, {std::max(near, far), 0, 2}, "COL_KILL");
                occupied_.push_back({side * 50, -20, 100});
            }
            Object("lamp_post", {left - 1.2, -20, 0.9}, 90);
            Object("lamp_post", {right + 1.2, -20, 0.9}, 270);
            break;
        default: break;
        }
    }

    // The valley's hills, from the verge or from the water under a bridge.
    void Land() {
        const bool bridge = plan_.feature == TFeature::Drop;
        TSideRoad road;
        if (plan_.feature == TFeature::JunctionRight) road = {-1, -14, -26};
        if (plan_.feature == TFeature::JunctionLeft) road = {1, -14, -26};
        AddHills(map_, theme_.name, 0, -40, bridge ? -1.6 : -0.1, theme_.verge, 2, road);
    }

    // Traffic points: cars follow a lane's spawn points, leave it at its exit point and pick their
    // lane in the next block by the nearest enter point. Lanes that end here have none, so their
    // cars move over to the nearest lane that goes on.
    void Lanes() {
        for (int lane = 1; lane <= 6; ++lane) {
            if (!HasLane(plan_.exit, lane)) continue;
            const std::string id = std::to_string(lane);
            const double x = LaneX(lane);
            if (HasLane(plan_.enter, lane)) {
                map_.Entity("ENTER_POINT", {{"point_id", id}}, {x, -2.5, 0.5});
                for (double y : {-7.5, -17.5, -27.5})
                    map_.Entity("SPAWN_POINT", {{"exit_id", id}}, {x, y, 0.5});
            } else {
                map_.Entity("ENTER_POINT", {{"point_id", id}}, {x, kTaperEnd - 2, 0.5});
            }
            map_.Entity("EXIT_POINT", {{"point_id", id}}, {x, -32.5, 0.5});
        }
    }

    bool Free(double x, double y, double radius) const {
        for (const auto& [ox, oy, r] : occupied_)
            if (std::hypot(x - ox, y - oy) < r + radius) return false;
        return true;
    }

    void Scenery() {
        if (plan_.feature == TFeature::Drop) return;
        double total = 0;
        for (const TScenery& s : theme_.scenery)
            total += s.weight;
        const int count = plan_.feature == TFeature::Woods ? 16 : 9;
        double left, right;
        Edges(plan_, -20, left, right);
        const double sw = ShoulderWidth();
        for (int placed = 0, tries = 0; placed < count && tries < 200; ++tries) {
            double pick = random_.Unit() * total;
            const TScenery* s = &theme_.scenery.back();
            for (const TScenery& candidate : theme_.scenery)
                if ((pick -= candidate.weight) < 0) {
                    s = &candidate;
                    break;
                }
            const double side = random_.Unit() < 0.5 ? -1 : 1;
            const double edge = (side < 0 ? std::min(plan_.enter.left, plan_.exit.left)
                                          : std::max(plan_.enter.right, plan_.exit.right)) +
                                side * (sw + 1.5 + s->radius);
            const double x = edge + side * random_.Unit() * 45, y = -2 - random_.Unit() * 36;
            if (std::abs(x) + s->radius > kGroundEdge - 2 || !Free(x, y, s->radius)) continue;
            Object(s->model, {x, y, -0.1}, 90 + 15 * random_.Below(24));
            occupied_.back()[2] = s->radius;
            ++placed;
        }
        if (theme_.streetLamps)
            for (double y : {-8.0, -28.0}) {
                Object("lamp_post", {left - sw - 1, y, -0.02}, 90);
                Object("lamp_post", {right + sw + 1, y, -0.02}, 270);
            }
    }

    const TTheme& theme_;
    const TBlockPlan& plan_;
    TRandom random_;
    TBlockMap map_, collision_;
    std::vector<std::array<double, 3>> occupied_; // x, y, radius
};

// The start block is named as entered by no lanes, so that a random track never draws it (its
// finish line and gantry) in the middle of a stage; sequences place it without asking.
std::string BlockName(const TBlockPlan& plan, int index) {
    char number[8];
    std::snprintf(number, sizeof number, "%02d", index);
    return std::string(index == 0 ? "000000" : plan.enter.flags) + "_" + plan.exit.flags + "_" + number;
}

// A drive through the set: the start block, blocks whose lanes chain, the start block again as the finish.
std::string Sequence(const std::vector<TBlockPlan>& blocks, int length, uint64_t seed) {
    TRandom random(seed);
    std::vector<int32_t> order = {0, 1};
    while (static_cast<int>(order.size()) < length - 1) {
        const TBlockPlan& last = blocks[order.back()];
        std::vector<int> next;
        for (size_t i = 1; i < blocks.size(); ++i)
            if (&blocks[i].enter == &last.exit) next.push_back(static_cast<int>(i));
        order.push_back(next[random.Below(static_cast<int>(next.size()))]);
    }
    // Back to four lanes for the finish.
    while (&blocks[order.back()].exit != &kFour)
        for (size_t i = 1; i < blocks.size(); ++i)
            if (&blocks[i].enter == &blocks[order.back()].exit &&
                &blocks[i].exit != &blocks[order.back()].exit) {
                order.push_back(static_cast<int>(i));
                break;
            }
    order.push_back(0);
    return SequenceBytes(order);
}

} // namespace

void GenerateTrackBlocks(TDataTree& tree) {
    GenerateTrackTextures(tree);
    GenerateValleyTextures(tree);
    uint64_t seed = 500;
    for (const TTheme& theme : Themes()) {
        const std::vector<TBlockPlan>& blocks = Blocks(theme.hazards);
        const std::string folder = std::string("Data/Maps/") + theme.name + "/";
        std::string list;
        for (size_t i = 0; i < blocks.size(); ++i) {
            const std::string name = BlockName(blocks[i], static_cast<int>(i));
            TBlockBuilder builder(theme, blocks[i], ++seed);
            builder.Build();
            tree.Text(folder + name + ".map", builder.MapText());
            tree.Text(folder + name + "_col.map", builder.CollisionText());
            list += name + "\r\n";
        }
        tree.Text(folder + "main.trk", list);
        tree.Text(folder + "short.seq", Sequence(blocks, 24, ++seed));
        tree.Text(folder + "long.seq", Sequence(blocks, 48, ++seed));
    }
}
