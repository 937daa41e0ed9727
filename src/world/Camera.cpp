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

bool ProjectToClient(const TVector4& point, const TViewport& viewport, float& x, float& y) {
    // The same transforms as SetUpView: translate to the eye, turn by the heading about z,
    // then by the pitch about x, then the perspective.
    constexpr double kRadians = 3.14159265358979323846 / 180;
    const double px = point.x - CameraPosition.x;
    const double py = point.y - CameraPosition.y;
    const double pz = point.z - CameraPosition.z;
    const double ch = std::cos(CameraAngles.z * kRadians), sh = std::sin(CameraAngles.z * kRadians);
    const double hx = ch * px - sh * py;
    const double hy = sh * px + ch * py;
    const double cp = std::cos(CameraAngles.y * kRadians), sp = std::sin(CameraAngles.y * kRadians);
    const double ey = cp * hy - sp * pz;
    const double ez = sp * hy + cp * pz;
    if (ez >= 0) return false;
    const double aspect = viewport.height > 0 ? static_cast<double>(viewport.width) / viewport.height : 1.0;
    const double f = 1 / std::tan(FieldOfView * kRadians / 2);
    const double ndcX = f / aspect * hx / -ez;
    const double ndcY = f * ey / -ez;
    const double windowX = viewport.x + (ndcX + 1) / 2 * viewport.width;
    const double windowY = viewport.y + (ndcY + 1) / 2 * viewport.height;
    // The crosshair turns a pointer row into the GL row height - 1 - row.
    x = static_cast<float>(windowX);
    y = static_cast<float>(viewport.height - 1 - (windowY - viewport.y) + viewport.y);
    return true;
}

void AdaptFieldOfView(int step, float playerSpeed, int maxSpeed) {
    // Without a top speed (no stage loaded) the car counts as standing still.
    const float share = maxSpeed > 0 ? playerSpeed / maxSpeed : 0.0f;
    const float target = share * share * 15 + 60;
    const float gap = target - FieldOfView;
    if (std::fabs(gap) > 5) FieldOfView += (gap > 0 ? 1 : -1) * 8.0f * step / 1000;
}
