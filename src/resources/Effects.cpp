// The live sprite particles: they move, change colour and age in Update, and are drawn as
// camera-facing quads in Render, which changes nothing.
#include "resources/Effects.h"

#include <GL/gl.h>

#include <cmath>

#include "resources/Matrix.h"
#include "resources/TextureSource.h"

TEffects* Effects = nullptr;

namespace {

constexpr int kTrailLife = 400;
constexpr float kNearEyeClear = 5, kNearEyeWhole = 15;

// A sprite's own axes turned by minus the camera's heading about z, after minus its pitch
// about x: the quad then faces the camera.
struct TFacing {
    TVector4 right;
    TVector4 up;
    TVector4 normal;
};

TFacing FacingOf(const TVector4& cameraAngles) {
    const float degree = static_cast<float>(M_PI) / 180;
    const float sinPitch = std::sin(cameraAngles.y * degree), cosPitch = std::cos(cameraAngles.y * degree);
    const float sinHeading = std::sin(cameraAngles.z * degree),
                cosHeading = std::cos(cameraAngles.z * degree);
    return {{cosHeading, -sinHeading, 0, 0},
            {cosPitch * sinHeading, cosPitch * cosHeading, -sinPitch, 0},
            {sinPitch * sinHeading, sinPitch * cosHeading, cosPitch, 0}};
}

// The four corners of one quad, inside glBegin(GL_QUADS).
void FacingQuad(const TVector4& at, float s, const TFacing& facing) {
    const auto corner = [&](float u, float v, float x, float y) {
        glTexCoord2f(u, v);
        glVertex3f(at.x + s * (x * facing.right.x + y * facing.up.x),
                   at.y + s * (x * facing.right.y + y * facing.up.y),
                   at.z + s * (x * facing.right.z + y * facing.up.z));
    };
    glNormal3f(facing.normal.x, facing.normal.y, facing.normal.z);
    corner(0, 1, -1, -1);
    corner(0, 0, 1, -1);
    corner(1, 0, 1, 1);
    corner(1, 1, -1, 1);
}

} // namespace

float NearEyeFade(const TVector4& at, const TVector4& eye) {
    const float d = Distance(at, eye);
    return d <= kNearEyeClear   ? 0
           : d >= kNearEyeWhole ? 1
                                : (d - kNearEyeClear) / (kNearEyeWhole - kNearEyeClear);
}

void TEffects::AddParticle(const TSimpleEffect* effect, const TVector4& position, bool scroll,
                           const TVector4& colour, const TVector4& velocity, float halfSize, int life) {
    Add(effect, position, scroll, nullptr, false, {}, colour, {}, velocity, halfSize, life);
}

void TEffects::Add(const TSimpleEffect* effect, const TVector4& position, bool scroll,
                   const TVector4* extraVelocity, bool trail, const TVector4& colourChange,
                   const TVector4& colour, const TVector4& acceleration, const TVector4& velocity,
                   float halfSize, int life) {
    TParticle particle;
    particle.effect = effect;
    particle.position = position;
    particle.scroll = scroll;
    particle.extraVelocity = extraVelocity;
    particle.trail = trail;
    particle.colourChange = colourChange;
    particle.colour = colour;
    particle.acceleration = acceleration;
    particle.velocity = velocity;
    particle.halfSize = halfSize;
    particle.life = life;
    particles_.push_back(particle);
}

void TEffects::AddAttached(const TSimpleEffect* effect, const TVector4* attachedPosition,
                           const TVector4& colour, float halfSize, int life) {
    Add(effect, {}, false, nullptr, false, {}, colour, {}, {}, halfSize, life);
    particles_.back().attachedPosition = attachedPosition;
}

void TEffects::Scroll(const TVector4& offset) {
    for (TParticle& particle : particles_)
        if (particle.scroll) particle.position = ::Add(particle.position, offset);
}

void TEffects::Update(int step) {
    const float seconds = step / 1000.0f;
    size_t i = 0;
    while (i < particles_.size()) {
        TParticle& particle = particles_[i];
        particle.life -= step;
        particle.age = particle.age < 0 ? 0 : particle.age + step;
        if (particle.life <= 0) {
            // The last particle takes the slot, which is then examined again.
            particle = particles_.back();
            particles_.pop_back();
            continue;
        }
        particle.position = ::Add(particle.position, Scale(particle.velocity, seconds));
        if (particle.extraVelocity)
            particle.position = ::Add(particle.position, Scale(*particle.extraVelocity, seconds));
        particle.velocity = ::Add(particle.velocity, Scale(particle.acceleration, seconds));
        particle.colour.x += seconds * particle.colourChange.x;
        particle.colour.y += seconds * particle.colourChange.y;
        particle.colour.z += seconds * particle.colourChange.z;
        if (particle.trail) {
            const TParticle source = particle; // the push below may move it
            AddParticle(source.effect, source.position, false, source.colour, {}, source.halfSize,
                        kTrailLife);
        }
        ++i;
    }
}

void DrawFacingQuad(const TVector4& at, float s, const TVector4& cameraAngles) {
    glBegin(GL_QUADS);
    FacingQuad(at, s, FacingOf(cameraAngles));
    glEnd();
}

void TEffects::Render(const TVector4& eye) const {
    glEnable(GL_TEXTURE_2D);
    glDepthMask(GL_FALSE);
    // The quads are turned here, not by the matrix: a matrix change made every quad a draw of its
    // own, a third of the main thread's work in a snowfall. A run of quads with one texture is
    // one batch.
    const TFacing facing = FacingOf(cameraAngles_);
    bool open = false;
    int bound = 0;
    for (const TParticle& particle : particles_) {
        const int texture = particle.effect->FrameTexture(particle.age);
        if (!open || texture != bound) {
            if (open) glEnd();
            textures_.Bind(texture);
            bound = texture;
            glBegin(GL_QUADS);
            open = true;
        }
        const TVector4& at = particle.attachedPosition ? *particle.attachedPosition : particle.position;
        glColor4f(particle.colour.x, particle.colour.y, particle.colour.z,
                  particle.colour.w * NearEyeFade(at, eye));
        FacingQuad(at, particle.halfSize, facing);
    }
    if (open) glEnd();
    glDepthMask(GL_TRUE);
    glColor4f(1, 1, 1, 1);
}
