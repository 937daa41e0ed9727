// The camera values and the scene view set-up.
#include "world/Camera.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>

namespace {

// Behind and above the car, looking down the road.
constexpr TVector4 kStartPosition{-1, 78, 47, 0};
constexpr TVector4 kStartAngles{0, -50, 180, 0};
constexpr float kStartFieldOfView = 60;

} // namespace

TVector4 CameraPosition = kStartPosition;
TVector4 CameraAngles = kStartAngles;
float FieldOfView = kStartFieldOfView;

void ResetCamera() {
    CameraPosition = kStartPosition;
    CameraAngles = kStartAngles;
    FieldOfView = kStartFieldOfView;
}

void SetUpView(const TViewport& viewport) {
    glViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = viewport.height > 0 ? static_cast<double>(viewport.width) / viewport.height : 1.0;
    gluPerspective(FieldOfView, aspect, 1.0, 500.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glRotatef(CameraAngles.y, 1, 0, 0);
    glRotatef(CameraAngles.z, 0, 0, 1);
    glTranslatef(-CameraPosition.x, -CameraPosition.y, -CameraPosition.z);
}

void AdaptFieldOfView(int step, float playerSpeed, int maxSpeed) {
    // Without a top speed (no stage loaded) the car counts as standing still.
    const float share = maxSpeed > 0 ? playerSpeed / maxSpeed : 0.0f;
    const float target = share * share * 15 + 60;
    const float gap = target - FieldOfView;
    if (std::fabs(gap) > 5) FieldOfView += (gap > 0 ? 1 : -1) * 8.0f * step / 1000;
}
