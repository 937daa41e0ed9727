// The live sprite particles: they move, change colour and age in Update, and are drawn as
// camera-facing quads in Render, which changes nothing.
#pragma once

#include <vector>

#include "resources/SimpleEffect.h"
#include "resources/Vector.h"

class TTextureSource;

// How much of a sprite or a rain streak at `at` shows seen from `eye`: nothing within a few
// units of the eye, where one would fill the view, all of it from a little further on.
float NearEyeFade(const TVector4& at, const TVector4& eye);

struct TParticle {
    float halfSize = 0;
    int life = 0; // ms left
    TVector4 position;
    TVector4 velocity;     // per second
    TVector4 acceleration; // per second squared
    const TSimpleEffect* effect = nullptr;
    int age = -1; // ms; -1 until the first update
    TVector4 colour;
    TVector4 colourChange;                      // per second; red, green, blue
    const TVector4* attachedPosition = nullptr; // drawn there instead of at position
    const TVector4* extraVelocity = nullptr;    // added to velocity
    bool trail = false;
    bool scroll = false; // moves with the road
};

class TEffects {
public:
    // `cameraAngles` (degrees: y pitch, z heading) turns every quad towards the camera.
    TEffects(const TVector4& cameraAngles, TTextureSource& textures)
        : cameraAngles_(cameraAngles), textures_(textures) {}

    void AddParticle(const TSimpleEffect* effect, const TVector4& position, bool scroll,
                     const TVector4& colour, const TVector4& velocity, float halfSize, int life);
    void Add(const TSimpleEffect* effect, const TVector4& position, bool scroll,
             const TVector4* extraVelocity, bool trail, const TVector4& colourChange, const TVector4& colour,
             const TVector4& acceleration, const TVector4& velocity, float halfSize, int life);
    void AddAttached(const TSimpleEffect* effect, const TVector4* attachedPosition, const TVector4& colour,
                     float halfSize, int life);

    // Moves every particle that goes with the road.
    void Scroll(const TVector4& offset);
    void Update(int step);
    // `eye`: the camera position, for the fade near it.
    void Render(const TVector4& eye) const;
    void Clear() { particles_.clear(); }

    int Count() const { return static_cast<int>(particles_.size()); }
    const TParticle& Particle(int index) const { return particles_[index]; }

private:
    const TVector4& cameraAngles_;
    TTextureSource& textures_;
    std::vector<TParticle> particles_;
};

// A quad of half-size `halfSize` centred on `at` and turned to face a camera at `cameraAngles`
// (degrees: y pitch, z heading), textured with whatever is bound: how sprites are drawn.
void DrawFacingQuad(const TVector4& at, float halfSize, const TVector4& cameraAngles);

// Created by the game environment; nullptr until then.
extern TEffects* Effects;
