// Falling rain or snow in a fixed pool of particles around the car, carried along by the
// road, and the distance fog of a stage.
#pragma once

#include <array>

#include "resources/Vector.h"

class TEffects;
class TSimpleEffect;

enum TWeatherKind {
    W_NONE = 0,
    W_RAIN = 1,
    W_SNOW = 2,
};

struct TWeatherParticle {
    TVector4 previousPosition;
    TVector4 position;
    int life = 0; // ms; alive while above 0
};

class TWeather {
public:
    static constexpr int kParticleCount = 1001;

    // Snowflakes go to `effects` as `snowflake` sprites; either may be null (no snowflakes).
    TWeather(TEffects* effects, const TSimpleEffect* snowflake) : effects_(effects), snowflake_(snowflake) {}
    // Snowflake sprites point into the pool, so it never moves.
    TWeather(const TWeather&) = delete;
    TWeather& operator=(const TWeather&) = delete;

    void SetKind(int kind) { kind_ = kind; }
    void SetFog(bool enabled) { fogEnabled_ = enabled; }
    // The mission's FogDensity / 1000 and WeatherX, WeatherY, WeatherZ / 100 (units per second).
    float fogDensity = 0;
    TVector4 drift;

    // Moves the particles by the drift and the road (the car's forward velocity, units per
    // second), then brings dead ones back.
    void Update(int dt, float forwardVelocity);
    void ApplyFog() const;
    void RemoveFog() const;
    // Rain streaks, fading out near `eye` (the camera position); snow is drawn by its sprites.
    void Draw(const TVector4& eye) const;

    int Kind() const { return kind_; }
    bool FogEnabled() const { return fogEnabled_; }
    const TWeatherParticle& Particle(int index) const { return particles_[index]; }

private:
    void Rebirth(TWeatherParticle& particle);

    TEffects* effects_;
    const TSimpleEffect* snowflake_;
    int kind_ = W_NONE;
    std::array<TWeatherParticle, kParticleCount> particles_{};
    bool fogEnabled_ = false;
};

// Created by the game environment.
extern TWeather* Weather;
