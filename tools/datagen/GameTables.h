// The traffic's weapons and car types of "Data\Maps\Global.cfg", by the names the missions
// use for them, and the behaviour keys a car type is written with.
#pragma once

#include <string>

class TIniWriter;

// Weapon list entries ([Weapon_i]); a car's weapon index.
enum TTrafficWeapon { TW_NONE = -1, TW_PISTOL, TW_UZI, TW_MACHINEGUN, TW_SHOTGUN, TW_LAUNCHER, TW_COUNT };

// Global car types ([Car_i]), the numbers missions give as Type.
enum TGlobalCar {
    GC_SEDAN,    // plain traffic
    GC_HATCH,    // plain traffic, gives time
    GC_TAXI,     // quick plain traffic, gives score
    GC_VAN,      // slow and heavy, gives repair; the convoy of escort stages
    GC_BANDIT,   // pistol turret, keeps pace ahead
    GC_RAIDER,   // uzi turret, chases
    GC_RAMMER,   // unarmed, rams from alongside
    GC_BLOCKER,  // truck that cuts in and brakes
    GC_GUNSHIP,  // machine-gun turret, backs off when hit
    GC_LAUNCHER, // rocket truck firing backwards
    GC_COURIER,  // armoured courier, the target of hunt stages
    GC_PURSUER,  // shotgun car that also comes from behind
    GC_SPORTS,   // fast unarmed car carrying slow motion
    GC_COUNT
};

// The path of traffic car model `number` (1 .. ), "Data\Models\Cars\Car_NN.hsa".
std::string CarModel(int number);

// What a car type does, from Weapon to BonusType. A speed of 0 is not written, so a mission's
// own car type takes the stage's traffic speed.
struct TCarValues {
    int weapon = TW_NONE;
    int health = 1;
    const char* attack = "AT_NONE";
    const char* drive = "DT_NORMAL";
    int mass = 1;
    int score = 0;
    int speed = 0;
    int minSpeed = 0;
    int maxSpeed = 0;
    bool canSpawnBottom = false;
    int explosionDamage = 0;
    const char* bonus = "BT_NONE";

    void Write(TIniWriter& ini) const;
};
