// The scene light: one global light that the track switches off for block geometry and on
// again for the scene objects; its position also drives the object shadows.
#pragma once

#include "resources/Vector.h"

struct TLight {
    TVector4 position; // w = 0 directional, otherwise positional, as OpenGL takes it
    TVector4 ambient;
    TVector4 diffuse;
    TVector4 specular;
};

class TLightsControl {
public:
    void SetGlobalLight(const TLight& light);
    // Lighting on with the global light (when set) as GL_LIGHT0.
    void SwitchOn();
    // Lighting off and every light this controller enabled disabled again.
    void SwitchOff();
    void AddLight(const TLight& light);

    const TVector4& GlobalLightPosition() const { return globalLight_.position; }
    bool GlobalLightSet() const { return globalLightSet_; }
    int EnabledLightCount() const { return enabledLightCount_; }

private:
    TLight globalLight_;
    bool globalLightSet_ = false;
    int enabledLightCount_ = 0;
};

// Created by the game environment; nullptr until then (blocks then draw without switching lights).
extern TLightsControl* LightsControl;
