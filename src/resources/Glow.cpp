// The glow discs: sixteen triangles fading from the glow's colour at the centre to
// nothing at the rim, added onto the picture.
#include "resources/Glow.h"

#include <array>
#include <cmath>

#include <GL/gl.h>

TFakeLightControl* FakeLights = nullptr;

namespace {

struct TCosSin {
    float cos;
    float sin;
};

// The rim points of a unit disc at pi/8 steps.
const std::array<TCosSin, 16> kCircle = [] {
    std::array<TCosSin, 16> circle{};
    for (int k = 0; k < 16; ++k)
        circle[k] = {std::cos(k * 0.3926991f), std::sin(k * 0.3926991f)};
    return circle;
}();

} // namespace

void TFakeLightControl::Add(int life, const TVector4& position, bool movesWithRoad, const TVector4& colour,
                            float radius) {
    glows_.push_back({life, position, colour, radius, movesWithRoad});
}

void TFakeLightControl::Drift(const TVector4& offset) {
    for (TGlow& glow : glows_) {
        if (!glow.movesWithRoad) continue;
        glow.position.x += offset.x;
        glow.position.y += offset.y;
        glow.position.z += offset.z;
    }
}

void TFakeLightControl::Update(int step) {
    size_t i = 0;
    while (i < glows_.size()) {
        glows_[i].life -= step;
        if (glows_[i].life < 0) {
            glows_[i] = glows_.back();
            glows_.pop_back();
            // The moved glow has not been stepped yet: it is stepped in this slot next.
            continue;
        }
        ++i;
    }
}

void TFakeLightControl::Draw() const {
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glEnable(GL_CULL_FACE);
    for (const TGlow& glow : glows_) {
        glPushMatrix();
        glTranslatef(glow.position.x, glow.position.y, glow.position.z);
        glBegin(GL_TRIANGLES);
        for (int k = 0; k < 16; ++k) {
            const TCosSin& a = kCircle[k];
            const TCosSin& b = kCircle[(k + 1) % 16];
            glColor4f(glow.colour.x, glow.colour.y, glow.colour.z, glow.colour.w);
            glVertex3f(0, 0, 0);
            glColor4f(0, 0, 0, 0);
            glVertex3f(a.cos * glow.radius, a.sin * glow.radius, 0);
            glVertex3f(b.cos * glow.radius, b.sin * glow.radius, 0);
        }
        glEnd();
        glPopMatrix();
    }
    glDisable(GL_CULL_FACE);
    glColor4f(1, 1, 1, 1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
