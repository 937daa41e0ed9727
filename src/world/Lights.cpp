// The scene light controller.
#include "world/Lights.h"

#include <GL/gl.h>

TLightsControl* LightsControl = nullptr;

void TLightsControl::SetGlobalLight(const TLight& light) {
    globalLight_ = light;
    globalLightSet_ = true;
}

void TLightsControl::SwitchOn() {
    SwitchOff();
    glEnable(GL_LIGHTING);
    if (globalLightSet_) AddLight(globalLight_);
}

void TLightsControl::SwitchOff() {
    glDisable(GL_LIGHTING);
    for (int i = 0; i < enabledLightCount_; ++i)
        glDisable(GL_LIGHT0 + i);
    enabledLightCount_ = 0;
}

void TLightsControl::AddLight(const TLight& light) {
    // OpenGL promises eight lights; more would name enums that are not lights at all.
    if (enabledLightCount_ >= 8) return;
    const GLenum id = GL_LIGHT0 + enabledLightCount_;
    glLightfv(id, GL_POSITION, &light.position.x);
    glLightfv(id, GL_AMBIENT, &light.ambient.x);
    glLightfv(id, GL_DIFFUSE, &light.diffuse.x);
    glLightfv(id, GL_SPECULAR, &light.specular.x);
    glEnable(id);
    ++enabledLightCount_;
}
