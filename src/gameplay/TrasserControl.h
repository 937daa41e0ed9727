// What is left to see of a bullet: a short streak somewhere along the shot and, on a hit, a
// spark where it struck.
#pragma once

#include <array>
#include <vector>

#include "resources/Vector.h"

struct TTracer {
    TVector4 from;
    TVector4 to;
    int life = 0;      // ms
    float angle = 0;   // degrees about z
    float length = 0;  // a third of the shot
    TVector4 streak;   // where the streak starts, within the first 70 % of the shot
    int sparkTime = 0; // ms; 0 = no spark
    bool line = false;
};

class TTrasserControl {
public:
    // The streak and spark textures; needs the game's GL context.
    void LoadAssets();
    void AddTracer(const TVector4& from, const TVector4& to, bool line, int life, int sparkTime);
    void Update(int dt);
    void Render() const;
    void Clear() { tracers_.clear(); }

    int Count() const { return static_cast<int>(tracers_.size()); }
    const TTracer& Tracer(int index) const { return tracers_[index]; }

private:
    std::vector<TTracer> tracers_;
    int streakTexture_ = 0;
    std::array<int, 3> sparkTextures_{};
};
