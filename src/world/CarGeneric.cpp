// The car generator: fixed placements, the random pool and the spawning of one car.
#include "world/CarGeneric.h"

#include "core/Random.h"
#include "world/EnumNames.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int LANES = 6;
constexpr float BLOCK_LENGTH = 40;
// Cars of one lane are kept this far apart along the road when they appear.
constexpr float MIN_GAP = 5;

// Nearest integer, halves to even.
double RoundEven(double value) {
    return std::nearbyint(value);
}

int ClampToInt(double value) {
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

} // namespace

void TCarGeneric::Init() {
    currentBlock_ = FIRST_BLOCK;
    placements_.clear();
    for (int s = 0; s < static_cast<int>(Sections.size()); ++s) {
        const TSection& section = Sections[s];
        if (section.Min <= 0) continue;
        const double step = (static_cast<double>(section.End) - section.Begin) / section.Min;
        for (int i = 0; i < section.Min; ++i) {
            const double offset = RoundEven(Random(ClampToInt(RoundEven(2 * step))) + i * step);
            const double block = section.Begin + offset;
            if (block < INT_MIN || block > INT_MAX) continue;
            placements_[static_cast<int>(block)].Sections.push_back(s);
        }
    }
}

std::vector<int> TCarGeneric::Placements(int block) const {
    const auto found = placements_.find(block);
    return found == placements_.end() ? std::vector<int>() : found->second.Sections;
}

void TCarGeneric::BlockPassed() {
    const int k = ++currentBlock_;
    pool_.clear();
    poolCount_ = 0;
    for (int s = 0; s < static_cast<int>(Sections.size()); ++s) {
        const TSection& section = Sections[s];
        const int64_t entries = static_cast<int64_t>(section.Max) - section.Min;
        if (section.Begin <= k && k < section.End && entries > 0) {
            pool_.push_back({s, entries});
            poolCount_ += entries;
        }
    }
    const auto found = placements_.find(k);
    if (found == placements_.end()) return;
    for (const int section : found->second.Sections)
        Spawn(section);
}

bool TCarGeneric::GenerateOne() {
    if (traffic_.CarCount() >= traffic_.MaxCount() || poolCount_ <= 0) return false;
    int64_t r = Random(static_cast<int>(std::min<int64_t>(poolCount_, INT_MAX)));
    auto run = pool_.begin();
    while (r >= run->Count) {
        r -= run->Count;
        ++run;
    }
    // A car that finds no room stays in the pool for a later call.
    if (!Spawn(run->Section)) return false;
    Sections[run->Section].Max -= 1;
    run->Count -= 1;
    poolCount_ -= 1;
    if (run->Count == 0) pool_.erase(run);
    return true;
}

bool TCarGeneric::FindPlace(int slot, int side, float& y, int& lane) const {
    std::vector<int> lanes;
    for (int l = 1; l <= LANES; ++l)
        if (track_->ExitDefined(slot, l)) lanes.push_back(l);
    if (lanes.empty()) return false;
    for (int attempt = 0; attempt < MAX_PLACEMENT_ATTEMPTS; ++attempt) {
        y = Random(4000) / 100.0f;
        const float carY = y - BLOCK_LENGTH * side;
        // Uniform over the lanes with an exit point, as drawing 1 .. 6 again until one has.
        lane = lanes[Random(static_cast<int>(lanes.size()))];
        bool free = true;
        for (int c = 0; c < traffic_.CarCount() && free; ++c)
            free = !(traffic_.CarLane(c) == lane && std::fabs(traffic_.CarY(c) - carY) < MIN_GAP);
        if (free) return true;
    }
    return false;
}

bool TCarGeneric::Spawn(int sectionIndex) {
    if (!track_ || sectionIndex < 0 || sectionIndex >= static_cast<int>(Sections.size())) return false;
    const TSection& section = Sections[sectionIndex];

    // 1. Ahead of the player, or for some types behind.
    int side = SIDE_AHEAD;
    if (section.CarType.CanSpawnBottom && Random(2) == 1) side = SIDE_BEHIND;
    const int slot = side + 2;
    const int points = track_->SpawnPointCount(slot);
    if (points <= 0) return false;

    // 2. A lane with an exit point and a spot with no car of that lane close by.
    float y = 0;
    int lane = 0;
    if (!FindPlace(slot, side, y, lane)) return false;
    const float carY = y - BLOCK_LENGTH * side;

    // 3. The x of the lane's nearest spawn point beyond y, the lane's first point without one,
    // the block's first without that. The points lie in block space (y -40 .. 0), y in 0 .. 40.
    const float blockY = y - BLOCK_LENGTH;
    int nearest = -1;
    int laneFirst = -1;
    float best = 0;
    for (int p = 0; p < points; ++p) {
        if (track_->SpawnPointExit(slot, p) != lane) continue;
        if (laneFirst < 0) laneFirst = p;
        const float distance = track_->SpawnPointPosition(slot, p).y - blockY;
        if (distance > 0 && (nearest < 0 || distance < best)) {
            nearest = p;
            best = distance;
        }
    }
    if (nearest < 0) nearest = std::max(laneFirst, 0);

    // 4. The car type's copy, one of its models, the spot.
    TSpawnedCar car;
    car.Type = section.CarType;
    if (!car.Type.Models.empty()) {
        const int pick = Random(car.Type.ModelCount);
        car.Model = car.Type.Models[std::clamp(pick, 0, static_cast<int>(car.Type.Models.size()) - 1)];
    }
    car.Position = {track_->SpawnPointPosition(slot, nearest).x, carY, 0, 0};

    // 5. Drive types 1 and 2 start at the edge of the road, on the outermost lane's spawn point.
    if (car.Type.DriveType == DT_AITYPE1 || car.Type.DriveType == DT_AITYPE2) {
        const bool lowest = Random(2) == 0;
        int edgeLane = 0;
        for (int l = 1; l <= LANES; ++l) {
            if (!track_->ExitDefined(slot, l)) continue;
            if (lowest && edgeLane == 0) edgeLane = l;
            if (!lowest) edgeLane = l;
        }
        std::vector<int> onLane;
        for (int p = 0; p < points; ++p)
            if (track_->SpawnPointExit(slot, p) == edgeLane) onLane.push_back(p);
        if (onLane.empty()) return false;
        car.Position = track_->SpawnPointPosition(slot, onLane[Random(static_cast<int>(onLane.size()))]);
        car.Position.y += track_->Scroll() - BLOCK_LENGTH * (side - 1);
        car.Position.x += lowest ? 2 : -2;
    }

    // 6. Starting values.
    car.Lane = lane;
    car.Side = side;
    car.Speed = static_cast<float>(car.Type.Speed);
    car.Health = static_cast<float>(car.Type.Health);
    if (car.Type.Weapon >= 0 && car.Type.Weapon < static_cast<int>(Weapons.size()))
        car.ShootDelay = Weapons[car.Type.Weapon].ShootDelay;
    car.BonusType = car.Type.BonusType;

    // 7, 8.
    if (car.Type.SpecialKind == SM_NEUTRAL) SpecMission.NeutralAlive += 1;
    traffic_.AddCar(car);
    return true;
}
