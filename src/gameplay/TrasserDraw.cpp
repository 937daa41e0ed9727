// Tracers: streaks, sparks and lines.
#include "gameplay/TrasserControl.h"

#include <GL/gl.h>

#include "gameplay/Aim.h"
#include "gameplay/DrawHelpers.h"
#include "resources/DataPath.h"
#include "resources/GLState.h"
#include "resources/TextureLib.h"

namespace {

int LoadTexture(const char* name) {
    return TextureLib->Load(DataPath(std::string("Data\\Textures\\") + name), GL_LINEAR_MIPMAP_LINEAR,
                            GL_LINEAR);
}

} // namespace

void TTrasserControl::LoadAssets() {
    streakTexture_ = LoadTexture("trasser.png");
    sparkTextures_ = {LoadTexture("spark1.png"), LoadTexture("spark2.png"), LoadTexture("spark3.png")};
}

void TTrasserControl::Render() const {
    const TKeepGLState keep;
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    for (const TTracer& tracer : tracers_) {
        const float angle = tracer.angle / kDegreesPerRadian;
        DrawFlatQuad(streakTexture_, tracer.streak, angle, -0.25f, 0, 0.25f, -tracer.length);
        if (tracer.sparkTime > 0) {
            const int spark = tracer.sparkTime >= 101 ? 0 : tracer.sparkTime >= 51 ? 1 : 2;
            DrawFlatQuad(sparkTextures_[spark], tracer.to, angle + kPi / 2, -4, 4, 4, -4);
        }
        if (tracer.line) {
            glDisable(GL_TEXTURE_2D);
            glColor4f(0, 0, 0, 1);
            glBegin(GL_LINES);
            glVertex3f(tracer.from.x, tracer.from.y, tracer.from.z);
            glVertex3f(tracer.to.x, tracer.to.y, tracer.to.z);
            glEnd();
            glColor4f(1, 1, 1, 1);
            glEnable(GL_TEXTURE_2D);
        }
    }
}
