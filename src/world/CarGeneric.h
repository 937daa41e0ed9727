// The car generator: turns the stage's traffic sections into traffic cars as the track
// scrolls. Fixed cars appear on their block when it comes into view; random cars are drawn
// from a pool of the sections active at the current block whenever the traffic has room.
#pragma once

#include "resources/Vector.h"
#include "world/CarTypes.h"

#include <cstdint>
#include <map>
#include <vector>

// What the generator sees of the track: the blocks in the window slots and the scroll.
class TSpawnTrack {
public:
    virtual ~TSpawnTrack() = default;
    // Lane 1 .. 6 of the block in window slot `slot` has a defined exit point.
    virtual bool ExitDefined(int slot, int lane) const = 0;
    virtual int SpawnPointCount(int slot) const = 0;
    virtual int SpawnPointExit(int slot, int index) const = 0;
    virtual TVector4 SpawnPointPosition(int slot, int index) const = 0;
    virtual float Scroll() const = 0;
};

// A new traffic car as the generator starts it; every other state of the car starts at zero.
struct TSpawnedCar {
    TCarType Type;
    THSAModel* Model = nullptr;
    TVector4 Position;
    int Lane = 0;
    int Side = 0; // window slot - 2: 8 ahead, -2 behind the player
    float Speed = 0;
    float Health = 0;
    int ShootDelay = 0; // the weapon's delay; 0 for unarmed cars
    int BonusType = 0;
};

// What the generator needs of the traffic control.
class TTrafficCars {
public:
    virtual ~TTrafficCars() = default;
    virtual int CarCount() const = 0;
    virtual int CarLane(int index) const = 0;
    virtual float CarY(int index) const = 0;
    virtual int MaxCount() const = 0;
    virtual void AddCar(const TSpawnedCar& car) = 0;
};

// Window slot side + 2 holds the block a car is placed in.
constexpr int SIDE_AHEAD = 8;
constexpr int SIDE_BEHIND = -2;
// Block number of the first block that enters the look-ahead slot.
constexpr int FIRST_BLOCK = 8;
// Tries at a free spot before a car is given up.
constexpr int MAX_PLACEMENT_ATTEMPTS = 32;

struct TFixedSection {
    std::vector<int> Sections; // indices into Sections
};

class TCarGeneric {
public:
    explicit TCarGeneric(TTrafficCars& traffic) : traffic_(traffic) {}

    // The track of the stage; with none, nothing spawns.
    void SetTrack(const TSpawnTrack* track) { track_ = track; }
    // Places the fixed cars of every section of Sections on their blocks.
    void Init();
    // The track shifted forward by one block.
    void BlockPassed();
    // Adds one random car when the traffic has room and the pool is not empty; true when added.
    bool GenerateOne();
    // Builds a car of section `section` (index into Sections) and hands it to the traffic;
    // false when no free spot was found (the car is then skipped).
    bool Spawn(int section);

    int CurrentBlock() const { return currentBlock_; }
    int64_t PoolCount() const { return poolCount_; }
    // Section indices placed at `block`, in spawn order.
    std::vector<int> Placements(int block) const;

private:
    // The pool holds each active section (Max - Min) times; entries of one section are alike,
    // so they are kept as runs. The draw stays uniform over entries.
    struct TPoolRun {
        int Section = 0;
        int64_t Count = 0;
    };
    // y (0 .. 39.99, within the block) and a lane for a new car, or false after the attempts run out.
    bool FindPlace(int slot, int side, float& y, int& lane) const;

    TTrafficCars& traffic_;
    const TSpawnTrack* track_ = nullptr;
    int currentBlock_ = FIRST_BLOCK;
    std::vector<TPoolRun> pool_;
    int64_t poolCount_ = 0;
    // By block number; kept sparse, so a far block number costs no memory.
    std::map<int, TFixedSection> placements_;
};
