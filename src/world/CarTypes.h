// Traffic described in data: the weapons traffic cars carry, the car types, the stage's
// traffic sections and its special mission. One instance of each table for the whole game.
#pragma once

#include "world/WorldAssets.h"

#include <string>
#include <vector>

class THSAModel;

struct TWeapon {
    THSAModel* Model = nullptr; // the gunner's weapon model
    int ShootSound = 0;
    int WeaponType = 0; // TWeaponType
    int ShootDelay = 0; // ms
    int Damage = 0;
    float FlameSize = 0; // TFlameSize as a number
};

constexpr int NO_WEAPON = -1;
// More weapons, car types, sections (per car type or in a stage) or models per car type than
// this is a damaged file, not a stage: it is rejected before memory runs out.
constexpr int MAX_TABLE_ENTRIES = 1000;
// A section's Min and Max: far more cars than a stage's blocks can take.
constexpr int MAX_SECTION_CARS = 1000;

struct TCarType {
    std::vector<THSAModel*> Models; // alternatives, one picked per car
    int ModelCount = 0;
    // Node indices in model 0 where the parts of the car sit.
    int WheelRB = 0;
    int WheelLB = 0;
    int WheelRT = 0;
    int WheelLT = 0;
    int Smoke = 0;
    int LightLB = 0;
    int LightLF = 0;
    int LightRB = 0;
    int LightRF = 0;
    int Engine = 0;
    int WeaponNode = 0;
    int Weapon = NO_WEAPON; // index into Weapons
    int Health = 0;
    int AttackType = 0; // TAttackType
    int DriveType = 0;  // TDriveType
    int Mass = 0;
    int Score = 0;
    int Speed = 0;
    int MinSpeed = 0;
    int MaxSpeed = 0;
    int BonusType = 0; // TBonusType
    bool CanSpawnBottom = false;
    int SpecialKind = 0; // TSpecialKind; 0 for the global car types
    int ExplosionDamage = 0;
};

// A car type placed on a stretch of blocks [Begin, End): Min cars at fixed blocks, and
// Max in all; Max falls as random cars are generated.
struct TSection {
    TCarType CarType;
    int Begin = 0;
    int End = 0;
    int Min = 0;
    int Max = 0;
};

// The stage's optional secondary objective: achieved when both counters are 0 at the end.
struct TSpecMission {
    bool Enabled = false;
    std::string Text;
    int Score = 0;
    int Uzi = 0;
    int Shotgun = 0;
    int Machinegun = 0;
    int Bazooka = 0;
    int Rockets = 0;
    int NeutralAlive = 0; // SM_NEUTRAL cars spawned and not yet destroyed
    int FriendLosses = 0; // lowered when an SM_FRIEND car dies
};

extern std::vector<TWeapon> Weapons;
extern std::vector<TCarType> CarTypes;
extern std::vector<TSection> Sections;
extern TSpecMission SpecMission;

class TIniFile;

// The behaviour keys of a car section, in file order, from Weapon to BonusType; enumeration
// text that names nothing leaves the field as it was. Weapon -1 or less is stored as NO_WEAPON;
// whether a weapon index exists is for the caller to check. The special kind becomes 0.
void ReadCarValues(const TIniFile& ini, const std::string& section, int defaultSpeed, TCarType& type);

// Looks up the part nodes in model 0 (nothing when the type has no model).
void FindCarNodes(TCarType& type, TWorldAssets& assets);
