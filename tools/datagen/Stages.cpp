// The fifteen stages. Each is longer, faster and gives less time per block than the one
// before, with more and better-armed traffic: pistols first, then uzis, rammers, trucks that
// cut in, machine guns and at last rocket trucks. Hunt stages (SM_NEUTRAL couriers) and
// escort stages (SM_FRIEND vans) alternate from the third stage on.
#include "Stages.h"

#include "StageWorlds.h"

#include <iterator>

namespace {

// The first block the car generator handles: it comes into view as the start lights change.
constexpr int kFirstBlock = 9;

// `count` cars at fixed blocks between `begin` and `last`: the generator spreads them up to
// one step past the end of their stretch, so the stretch ends early enough to keep the
// latest of them at or before `last`.
TSpan Fixed(int begin, int last, int count, const char* bonus = nullptr) {
    return {begin, begin + (last - begin) * count / (count + 1), count, count, bonus};
}

// Up to `count` cars drawn at random while the road is between `begin` and `end`.
TSpan Along(int begin, int end, int count) {
    return {begin, end, 0, count};
}

TTraffic Global(int type, std::vector<TSpan> spans) {
    TTraffic t;
    t.type = type;
    t.spans = std::move(spans);
    return t;
}

TTraffic Target(int type, const char* kind, TSpan span) {
    TTraffic t = Global(type, {span});
    t.special = kind;
    return t;
}

// The stage's own plain traffic at the stage's traffic speed, in a mix of models, with a few
// cars carrying extra time or a repair.
TTraffic Civilians(std::vector<int> models, int length, int flow, int timeCars, int repairCars) {
    TTraffic t;
    t.models = std::move(models);
    t.values = {TW_NONE, 220, "AT_NONE", "DT_NORMAL", 2, 30, 0, 0, 0, false, 60, "BT_NONE"};
    t.spans = {Along(9, length - 2, flow), Fixed(15, length - 10, timeCars, "BT_TIME")};
    if (repairCars > 0) t.spans.push_back(Fixed(25, length - 10, repairCars, "BT_REPAIR"));
    return t;
}

// Slow plain cars straight after the start lights, one block after another: something for a
// new player to shoot within seconds of green, long before anyone shoots back.
TTraffic Stragglers(std::vector<int> models, int count) {
    TTraffic t;
    t.models = std::move(models);
    t.values = {TW_NONE, 220, "AT_NONE", "DT_NORMAL", 2, 30, 12, 12, 12, false, 60, "BT_NONE"};
    t.spans = {{kFirstBlock, kFirstBlock + count, count, count}};
    return t;
}

constexpr const char* kHuntText[] = {"",
                                     "Destroy the armoured courier",
                                     "Destroy both armoured couriers",
                                     "Destroy all three armoured couriers",
                                     "Destroy all four armoured couriers",
                                     "Destroy all five armoured couriers"};

TSpecialMission Hunt(int couriers, int score, int rockets) {
    return {kHuntText[couriers], score, 0, 0, 0, rockets};
}

TSpecialMission Escort(const std::string& text, int score, int machinegun) {
    return {text, score, 0, 0, machinegun, 0};
}

// The figures of each stage, one line each; where it plays is in StageWorlds.h.
struct TStageLine {
    bool sequenced;
    int length, time, reward;
    int maxSpeed, minSpeed, uziBullets, rockets;
    int trafficSpeed, trafficMaxCount;
};
// clang-format off
constexpr TStageLine kLines[] = {
    // sequence  blocks time reward  player speed  uzi rockets  traffic
    {false,      100,  120,  1000,   100, 30,        0, 2,      40,  5},
    {true,       110,   84,  1500,   100, 30,        0, 2,      40,  6},
    {false,      120,   90,  2000,   105, 32,       60, 2,      42,  7},
    {true,       130,   95,  2500,   105, 35,        0, 3,      44,  7},
    {false,      140,   98,  3000,   110, 35,       60, 3,      46,  8},
    {true,       150,   92,  3500,   110, 38,        0, 3,      48,  8},
    {false,      160,   87,  4000,   115, 40,      100, 3,      50,  9},
    {true,       175,   94,  4500,   115, 40,        0, 4,      50, 10},
    {false,      190,   77,  5000,   120, 42,      100, 4,      52, 10},
    {true,       200,   74,  5500,   120, 45,        0, 4,      54, 11},
    {false,      215,   79,  6000,   125, 45,      120, 4,      55, 12},
    {true,       230,   84,  6500,   125, 48,        0, 5,      56, 12},
    {false,      245,   83,  7000,   130, 50,      150, 5,      58, 13},
    {true,       260,   88,  7500,   130, 50,        0, 5,      60, 14},
    {false,      280,   86,  9000,   130, 50,      150, 6,      60, 14},
};
// clang-format on
static_assert(std::size(kLines) == std::size(kStageWorlds));

TSpecialMission SpecialOf(int stage) {
    switch (stage) {
    case 3: return Hunt(2, 1000, 3);
    case 5: return Escort("Keep all three supply vans in one piece", 1500, 150);
    case 7: return Hunt(3, 2000, 4);
    case 9: return Escort("Keep both cash vans in one piece", 2500, 200);
    case 11: return Hunt(4, 3000, 5);
    case 12: return Escort("Keep all three fuel vans in one piece", 3500, 250);
    case 14: return Hunt(5, 4000, 6);
    case 15: return {"Destroy the couriers, save the vans", 6000, 0, 0, 0, 8};
    default: return {};
    }
}

// Plain traffic everywhere, bonus carriers among it; hostile types join one after another.
std::vector<TTraffic> TrafficOf(int stage, int L) {
    const std::vector<int> town = {1, 2, 9};
    const std::vector<int> mixed = {1, 2, 3, 9};
    switch (stage) {
    case 1:
        return {Stragglers(town, 3), Civilians(town, L, 30, 2, 0), Global(GC_SEDAN, {Along(9, L - 2, 6)}),
                Global(GC_BANDIT, {Fixed(30, L - 10, 2), Along(60, L - 2, 2)})};
    case 2:
        return {Civilians(town, L, 34, 2, 1), Global(GC_HATCH, {Along(9, L - 2, 2)}),
                Global(GC_BANDIT, {Fixed(20, L - 10, 2), Along(20, L - 2, 4)}),
                Global(GC_RAMMER, {Along(60, L - 2, 2)})};
    case 3:
        return {Civilians(town, L, 36, 2, 1), Global(GC_TAXI, {Along(9, L - 2, 8)}),
                Global(GC_BANDIT, {Fixed(15, L - 10, 2), Along(15, L - 2, 4)}),
                Global(GC_RAIDER, {Fixed(50, L - 10, 1), Along(50, L - 2, 2)}),
                Target(GC_COURIER, "SM_NEUTRAL", Fixed(25, L - 30, 2))};
    case 4:
        return {Civilians(town, L, 40, 2, 1),
                Global(GC_VAN, {Along(9, L - 2, 4)}),
                Global(GC_BANDIT, {Fixed(15, L - 10, 2), Along(15, L - 2, 5)}),
                Global(GC_RAIDER, {Fixed(40, L - 10, 1), Along(40, L - 2, 3)}),
                Global(GC_RAMMER, {Fixed(50, L - 10, 1), Along(50, L - 2, 2)}),
                Global(GC_SPORTS, {Fixed(30, L - 20, 1)})};
    case 5:
        return {Civilians(town, L, 40, 2, 1),
                Target(GC_VAN, "SM_FRIEND", Fixed(15, 90, 3)),
                Global(GC_BANDIT, {Fixed(15, L - 10, 2), Along(15, L - 2, 5)}),
                Global(GC_RAIDER, {Fixed(30, L - 10, 2), Along(30, L - 2, 3)}),
                Global(GC_RAMMER, {Fixed(40, L - 10, 1), Along(40, L - 2, 2)}),
                Global(GC_PURSUER, {Along(70, L - 2, 2)})};
    case 6:
        return {Civilians(mixed, L, 44, 2, 1),
                Global(GC_TAXI, {Along(9, L - 2, 8)}),
                Global(GC_BANDIT, {Fixed(15, L - 10, 2), Along(15, L - 2, 5)}),
                Global(GC_RAIDER, {Fixed(25, L - 10, 2), Along(25, L - 2, 4)}),
                Global(GC_BLOCKER, {Fixed(40, L - 10, 1), Along(40, L - 2, 2)}),
                Global(GC_GUNSHIP, {Fixed(80, L - 10, 1), Along(80, L - 2, 1)})};
    case 7:
        return {Civilians(mixed, L, 46, 2, 2),
                Global(GC_BANDIT, {Fixed(15, L - 10, 2), Along(15, L - 2, 6)}),
                Global(GC_RAIDER, {Fixed(25, L - 10, 2), Along(25, L - 2, 4)}),
                Global(GC_RAMMER, {Fixed(40, L - 10, 1), Along(40, L - 2, 2)}),
                Global(GC_GUNSHIP, {Fixed(60, L - 10, 1), Along(60, L - 2, 1)}),
                Target(GC_COURIER, "SM_NEUTRAL", Fixed(30, L - 30, 3))};
    case 8:
        return {Civilians(mixed, L, 50, 3, 2),
                Global(GC_VAN, {Along(9, L - 2, 4)}),
                Global(GC_BANDIT, {Fixed(15, L - 10, 2), Along(15, L - 2, 6)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 2), Along(20, L - 2, 5)}),
                Global(GC_BLOCKER, {Fixed(40, L - 10, 1), Along(40, L - 2, 2)}),
                Global(GC_GUNSHIP, {Fixed(50, L - 10, 1), Along(50, L - 2, 2)}),
                Global(GC_LAUNCHER, {Fixed(100, L - 10, 1)}),
                Global(GC_SPORTS, {Fixed(30, L - 20, 1)})};
    case 9:
        return {Civilians(mixed, L, 52, 3, 2),
                Target(GC_VAN, "SM_FRIEND", Fixed(20, 120, 2)),
                Global(GC_TAXI, {Along(9, L - 2, 6)}),
                Global(GC_BANDIT, {Fixed(15, L - 10, 3), Along(15, L - 2, 6)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 2), Along(20, L - 2, 5)}),
                Global(GC_RAMMER, {Fixed(30, L - 10, 1), Along(30, L - 2, 3)}),
                Global(GC_PURSUER, {Fixed(50, L - 10, 1), Along(50, L - 2, 2)}),
                Global(GC_GUNSHIP, {Fixed(60, L - 10, 1), Along(60, L - 2, 2)})};
    case 10:
        return {Civilians(mixed, L, 54, 3, 2),
                Global(GC_BANDIT, {Fixed(15, L - 10, 3), Along(15, L - 2, 6)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 2), Along(20, L - 2, 6)}),
                Global(GC_RAMMER, {Fixed(30, L - 10, 1), Along(30, L - 2, 3)}),
                Global(GC_BLOCKER, {Fixed(40, L - 10, 1), Along(40, L - 2, 2)}),
                Global(GC_GUNSHIP, {Fixed(50, L - 10, 2), Along(50, L - 2, 2)}),
                Global(GC_LAUNCHER, {Fixed(90, L - 10, 1), Along(90, L - 2, 1)})};
    case 11:
        return {Civilians(mixed, L, 56, 3, 2),
                Target(GC_COURIER, "SM_NEUTRAL", Fixed(30, L - 40, 4)),
                Global(GC_BANDIT, {Fixed(15, L - 10, 3), Along(15, L - 2, 6)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 3), Along(20, L - 2, 6)}),
                Global(GC_RAMMER, {Fixed(30, L - 10, 1), Along(30, L - 2, 3)}),
                Global(GC_GUNSHIP, {Fixed(40, L - 10, 2), Along(40, L - 2, 2)}),
                Global(GC_LAUNCHER, {Fixed(80, L - 10, 1), Along(80, L - 2, 1)}),
                Global(GC_PURSUER, {Fixed(60, L - 10, 1), Along(60, L - 2, 2)})};
    case 12:
        return {Civilians(mixed, L, 58, 3, 2),
                Target(GC_VAN, "SM_FRIEND", Fixed(20, 150, 3)),
                Global(GC_BANDIT, {Fixed(15, L - 10, 3), Along(15, L - 2, 7)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 3), Along(20, L - 2, 6)}),
                Global(GC_BLOCKER, {Fixed(40, L - 10, 1), Along(40, L - 2, 3)}),
                Global(GC_GUNSHIP, {Fixed(40, L - 10, 3), Along(40, L - 2, 3)}),
                Global(GC_LAUNCHER, {Fixed(60, L - 10, 2), Along(60, L - 2, 2)}),
                Global(GC_PURSUER, {Fixed(80, L - 10, 1), Along(80, L - 2, 2)})};
    case 13:
        return {Civilians(mixed, L, 60, 3, 2),
                Global(GC_TAXI, {Along(9, L - 2, 6)}),
                Global(GC_BANDIT, {Fixed(15, L - 10, 3), Along(15, L - 2, 7)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 3), Along(20, L - 2, 7)}),
                Global(GC_RAMMER, {Fixed(30, L - 10, 2), Along(30, L - 2, 3)}),
                Global(GC_BLOCKER, {Fixed(40, L - 10, 1), Along(40, L - 2, 3)}),
                Global(GC_GUNSHIP, {Fixed(40, L - 10, 2), Along(40, L - 2, 3)}),
                Global(GC_LAUNCHER, {Fixed(60, L - 10, 1), Along(60, L - 2, 2)}),
                Global(GC_PURSUER, {Fixed(80, L - 10, 1), Along(80, L - 2, 2)}),
                Global(GC_SPORTS, {Fixed(30, L - 20, 1)})};
    case 14:
        return {Civilians(mixed, L, 62, 3, 2),
                Target(GC_COURIER, "SM_NEUTRAL", Fixed(30, L - 50, 5)),
                Global(GC_BANDIT, {Fixed(15, L - 10, 3), Along(15, L - 2, 7)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 3), Along(20, L - 2, 7)}),
                Global(GC_RAMMER, {Fixed(30, L - 10, 2), Along(30, L - 2, 3)}),
                Global(GC_BLOCKER, {Fixed(40, L - 10, 1), Along(40, L - 2, 3)}),
                Global(GC_GUNSHIP, {Fixed(40, L - 10, 2), Along(40, L - 2, 3)}),
                Global(GC_LAUNCHER, {Fixed(60, L - 10, 1), Along(60, L - 2, 2)}),
                Global(GC_PURSUER, {Fixed(80, L - 10, 1), Along(80, L - 2, 3)})};
    case 15:
        return {Civilians(mixed, L, 64, 3, 3),
                Target(GC_VAN, "SM_FRIEND", Fixed(20, 100, 2)),
                Target(GC_COURIER, "SM_NEUTRAL", Fixed(100, L - 60, 2)),
                Global(GC_BANDIT, {Fixed(15, L - 10, 3), Along(15, L - 2, 8)}),
                Global(GC_RAIDER, {Fixed(20, L - 10, 3), Along(20, L - 2, 8)}),
                Global(GC_RAMMER, {Fixed(30, L - 10, 2), Along(30, L - 2, 4)}),
                Global(GC_BLOCKER, {Fixed(40, L - 10, 2), Along(40, L - 2, 3)}),
                Global(GC_GUNSHIP, {Fixed(40, L - 10, 2), Along(40, L - 2, 4)}),
                Global(GC_LAUNCHER, {Fixed(60, L - 10, 2), Along(60, L - 2, 3)}),
                Global(GC_PURSUER, {Fixed(80, L - 10, 1), Along(80, L - 2, 3)})};
    default: return {};
    }
}

std::vector<TStage> Design() {
    std::vector<TStage> stages;
    for (const TStageLine& line : kLines) {
        const int number = static_cast<int>(stages.size()) + 1;
        const TStageWorld& world = kStageWorlds[number - 1];
        stages.push_back({world.blocks, line.sequenced, line.length, line.time, line.reward, line.maxSpeed,
                          line.minSpeed, line.uziBullets, line.rockets, line.trafficSpeed,
                          line.trafficMaxCount, world.weather, world.fog, SpecialOf(number),
                          TrafficOf(number, line.length)});
    }
    return stages;
}

} // namespace

const std::vector<TStage>& Stages() {
    static const std::vector<TStage> stages = Design();
    return stages;
}
