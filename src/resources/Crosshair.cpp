// Aim point from the depth buffer and the marker sprite.
#include "resources/Crosshair.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "resources/DataPath.h"
#include "resources/Matrix.h"
#include "resources/Out2D.h"
#include "resources/TextureLib.h"

TCrosshair* Crosshair = nullptr;

TCrosshair::TCrosshair() {
    marker_ = TextureLib->LoadInterfacePicture(DataPath("Data\\Textures\\target.png"));
}

void TCrosshair::Update(double x, double y) {
    GLint viewport[4];
    GLdouble modelview[16];
    GLdouble projection[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // The mouse is in client coordinates, y down; GL windows count y up.
    const double windowX = x - viewport[0];
    const double windowY = viewport[3] - (y - viewport[1]) - 1;
    GLfloat depth = 1;
    glReadPixels(static_cast<GLint>(std::lround(windowX)), static_cast<GLint>(std::lround(windowY)), 1, 1,
                 GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    TAimPoint aim;
    // A singular view keeps the previous aim rather than taking an undefined one.
    if (gluUnProject(windowX, windowY, depth, modelview, projection, viewport, &aim.x, &aim.y, &aim.z) !=
        GL_TRUE)
        return;
    Place(aim);
}

void TCrosshair::Place(const TAimPoint& aim) {
    worldAim_ = aim;
    screenAim_ = ProjectToScreen(
        MakeVector(static_cast<float>(aim.x), static_cast<float>(aim.y), static_cast<float>(aim.z)));
}

void TCrosshair::DrawMarker(float pixelScaleX, float pixelScaleY) const {
    const float halfX = 24 * pixelScaleX;
    const float halfY = 24 * pixelScaleY;
    glDisable(GL_DEPTH_TEST);
    Out2D->DrawTexturedQuad(marker_, screenAim_.x - halfX, screenAim_.y - halfY, screenAim_.x + halfX,
                            screenAim_.y + halfY, 0, 0, 1, 1);
    glEnable(GL_DEPTH_TEST);
}
