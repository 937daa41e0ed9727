// Rain, snow and fog.
#include "world/WeatherControl.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "core/Random.h"
#include "resources/Effects.h"

TWeather* Weather = nullptr;

namespace {

// About seven new particles a second, plus one every update.
constexpr double kBirthsPerSecond = 7.142857142857143;
// Particles that scroll past the car start again far ahead of it.
constexpr float kBehindCar = 20;
constexpr float kAheadOfCar = -60;

} // namespace

void TWeather::Update(int dt, float forwardVelocity) {
    const float forward = dt / 1000.0f * forwardVelocity;
    for (TWeatherParticle& particle : particles_) {
        if (particle.life <= 0) continue;
        particle.life -= dt;
        particle.previousPosition = particle.position;
        particle.position.x += dt * drift.x / 1000;
        particle.position.y += dt * drift.y / 1000 + forward;
        particle.position.z += dt * drift.z / 1000;
        if (particle.position.y > kBehindCar) {
            particle.position.y = kAheadOfCar;
            particle.previousPosition.y = kAheadOfCar;
        }
    }
    if (kind_ != W_RAIN && kind_ != W_SNOW) return;
    int births = static_cast<int>(std::nearbyint(dt / 1000.0 * kBirthsPerSecond)) + 1;
    for (TWeatherParticle& particle : particles_) {
        if (births <= 0) break;
        if (particle.life >= 1) continue;
        Rebirth(particle);
        --births;
    }
}

void TWeather::Rebirth(TWeatherParticle& particle) {
    const int r1 = EffectRandom(4000);
    const int r2 = EffectRandom(4000);
    const int r3 = EffectRandom(8000);
    particle.position = {r2 / 100.0f - 20, -r3 / 100.0f + 20, r1 / 100.0f + 40, particle.position.w};
    particle.previousPosition = particle.position;
    particle.life = r1 / 100 + 5000;
    if (kind_ == W_SNOW && effects_ && snowflake_)
        effects_->AddAttached(snowflake_, &particle.position, {1, 1, 1, 1}, 0.5f, r1 / 100 + 4000);
}

void TWeather::ApplyFog() const {
    if (!fogEnabled_) return;
    static const float kFogColour[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_START, 1.0f);
    glFogf(GL_FOG_END, 80.0f);
    // GL refuses a negative density; in linear mode it has no effect anyway.
    glFogf(GL_FOG_DENSITY, std::max(0.0f, fogDensity));
    glFogfv(GL_FOG_COLOR, kFogColour);
}

void TWeather::RemoveFog() const {
    glDisable(GL_FOG);
}

void TWeather::Draw(const TVector4& eye) const {
    if (kind_ != W_RAIN) return;
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_LINES);
    for (const TWeatherParticle& particle : particles_) {
        if (particle.life <= 0) continue;
        glColor4f(0, 0, 1, 0);
        glVertex3f(particle.previousPosition.x, particle.previousPosition.y, particle.previousPosition.z);
        glColor4f(0, 0, 1, NearEyeFade(particle.position, eye));
        glVertex3f(particle.position.x, particle.position.y, particle.position.z);
    }
    glEnd();
    glEnable(GL_TEXTURE_2D);
}
