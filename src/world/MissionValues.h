// The values a mission file sets for the player, the HUD, the traffic and the stage pages,
// kept as plain data until the parts that use them read it at the stage start.
#pragma once

#include <cstdint>

struct TMissionValues {
    // Chase camera (Horizontal already less 40).
    float CameraVertical = 50;
    float CameraHorizontal = 12 - 40;
    float CameraAngle = -38;
    // The player's car.
    float MaxHealth = 1000;
    float Health = 1000;
    int MaxSpeed = 100;
    int MinSpeed = 0;
    int KillBoxDamagePerSecond = 0;
    bool SpecialMissionHit = false;
    int64_t TimeLeft = 10000 * 1000; // ms
    int Music = 0;                   // sample handle of the stage's music, 0 for none
    // Starting ammunition: the mission's amount plus what the profile carries.
    int UziBullets = 0;
    int MachinegunBullets = 0;
    int ShotgunBullets = 0;
    int BazookaBullets = 0;
    int Rockets = 0;
    // The stage.
    int Reward = 0;
    int Finish = 0; // stage length in blocks
    int TrafficSpeed = 0;
    int TrafficMaxCount = 0;
    bool GameInProgress = false;
    uint32_t StageStartTime = 0; // tick count when the stage was loaded
};

extern TMissionValues MissionValues;
