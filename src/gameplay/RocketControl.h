// Rockets: real projectiles that fly at 200 units a second, home on the aimed-at car and
// blow up on the first car (player rockets) or on the player (hostile ones).
#pragma once

#include <vector>

#include "gameplay/GameContext.h"

class THSAModel;

struct TRocket {
    TVector4 previous;
    TVector4 position; // z is always 1
    TVector4 velocity; // length 40; the rocket covers 5 x velocity per second
    TVector4 orientation;
    float damage = 0;
    bool smoke = true;
    bool explosion = true;
    int life = 0; // ms
    bool playerOwned = false;
    bool homing = false;
};

class TRocketControl {
public:
    explicit TRocketControl(TGameContext& game) : game_(game) {}
    // The rocket model; needs the game's GL context.
    void LoadAssets();
    void Launch(const TVector4& start, const TVector4& direction, const TVector4& orientation, float damage,
                bool smoke, bool explosion, int life, bool playerOwned, bool homing);
    void Update(int dt);
    void Render() const;
    void Clear() { rockets_.clear(); }

    int Count() const { return static_cast<int>(rockets_.size()); }
    const TRocket& Rocket(int index) const { return rockets_[index]; }

private:
    void Explode(const TRocket& rocket) const;
    void Remove(int index);
    void Move(TRocket& rocket, int dt, int puffs);

    TGameContext& game_;
    std::vector<TRocket> rockets_;
    int smokeTime_ = 0;
    THSAModel* model_ = nullptr;
};
