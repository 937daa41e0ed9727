// The fifteen stages as designed: block set, length, clock, player, weather and traffic.
// Missions.cpp writes each as "Data\Maps\Track" + n + ".cfg", with its block sequence.
#pragma once

#include "GameTables.h"

#include <string>
#include <vector>

// A stretch of blocks [begin, end): `min` cars at fixed blocks, `max` in all.
struct TSpan {
    int begin;
    int end;
    int min;
    int max;
    const char* bonus = nullptr; // own-model car types only: the bonus these cars carry
};

// One traffic car type of a stage: a global car type (with its special-mission role), or the
// stage's own type built from a few car models.
struct TTraffic {
    int type = -1;                 // TGlobalCar, or -1 for own models
    const char* special = nullptr; // "SM_FRIEND" / "SM_NEUTRAL" for global types
    std::vector<int> models;       // car model numbers, own types only
    TCarValues values;             // own types only
    std::vector<TSpan> spans;
};

struct TSpecialMission {
    std::string text; // empty: the stage has none
    int score = 0;
    int uzi = 0;
    int shotgun = 0;
    int machinegun = 0;
    int rockets = 0;
};

struct TStage {
    const char* blocks; // block set under Data\Maps
    bool sequenced;     // a fixed block sequence of its own, else random blocks
    int length;         // blocks to the finish
    int time;           // seconds
    int reward;         // points
    int maxSpeed;
    int minSpeed;
    int uziBullets;
    int rockets;
    int trafficSpeed;
    int trafficMaxCount;
    const char* weather; // W_NONE, W_RAIN, W_SNOW
    bool fog;
    TSpecialMission special;
    std::vector<TTraffic> traffic;
};

const std::vector<TStage>& Stages();
