// Short-lived additive glow discs for muzzle flashes, explosions and rocket flames.
#pragma once

#include <vector>

#include "resources/Vector.h"

struct TGlow {
    int life = 0; // ms left
    TVector4 position;
    TVector4 colour; // RGBA at the centre
    float radius = 0;
    bool movesWithRoad = false;
};

class TFakeLightControl {
public:
    void Add(int life, const TVector4& position, bool movesWithRoad, const TVector4& colour, float radius);
    // Carries the glows that belong to the road along with its movement.
    void Drift(const TVector4& offset);
    // A glow lives while its life is not below 0; the last glow takes a removed one's place.
    void Update(int step);
    // Additive discs facing +z; the caller has turned depth testing and lighting off.
    void Draw() const;
    const std::vector<TGlow>& Glows() const { return glows_; }

private:
    std::vector<TGlow> glows_;
};

// Created by the game environment; nullptr until then.
extern TFakeLightControl* FakeLights;
