// Traffic cars on screen: bodies or wrecks, gunners, lights and flashes, and the frame
// around the aimed-at car.
#include "gameplay/TrafficControl.h"

#include <GL/gl.h>

#include <algorithm>

#include "gameplay/DrawHelpers.h"
#include "gameplay/HUD.h"
#include "resources/DataPath.h"
#include "resources/Effects.h"
#include "resources/GLState.h"
#include "resources/HSAModel.h"
#include "resources/Matrix.h"
#include "resources/ModelLib.h"
#include "resources/SoundLib.h"
#include "resources/TextureLib.h"
#include "world/Camera.h"
#include "world/EnumNames.h"

namespace {

int LoadTexture(const char* name) {
    return TextureLib->Load(DataPath(std::string("Data\\Textures\\") + name), GL_LINEAR_MIPMAP_LINEAR,
                            GL_LINEAR);
}

// Lamps are light sprites: they face the camera, as the other sprites do.
void DrawLight(int texture, const TVector4& at, float size) {
    if (TextureLib) TextureLib->Bind(texture);
    DrawFacingQuad(at, size / 2, CameraAngles);
}

// The smallest screen rectangle holding the car's box.
TTargetMarker FrameOf(const TTrafficCar& car) {
    TTargetMarker marker;
    marker.visible = true;
    marker.friendly = car.type.DriveType == DT_NORMAL && car.type.AttackType == AT_NONE &&
                      car.type.SpecialKind != SM_NEUTRAL;
    for (int i = 0; i < 8; ++i) {
        const TVector4 p = ProjectToScreen(car.corners[i]);
        if (i == 0) {
            marker.left = marker.right = p.x;
            marker.top = marker.bottom = p.y;
        }
        marker.left = std::min(marker.left, p.x);
        marker.right = std::max(marker.right, p.x);
        marker.bottom = std::min(marker.bottom, p.y);
        marker.top = std::max(marker.top, p.y);
    }
    return marker;
}

} // namespace

void TTrafficControl::LoadAssets() {
    wreck_ = ModelLib->Load(DataPath("Data\\Objects\\ostov_01.hsa"), false);
    if (SoundLib) {
        hitSound_ = SoundLib->LoadSample(DataPath("Data\\Sounds\\Hit.wav"), false);
        explosionSound_ = SoundLib->LoadSample(DataPath("Data\\Sounds\\npc_explosion.wav"), false);
    }
    backLight_ = LoadTexture("back_light.png");
    brakeLight_ = LoadTexture("break_light.png");
}

void TTrafficControl::Render() const {
    if (game_.hud) game_.hud->target.visible = false;
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    for (const TTrafficCar& car : cars_) {
        DrawCar(car);
        if (car.aimedAt && game_.hud) game_.hud->target = FrameOf(car);
    }
}

void TTrafficControl::DrawCar(const TTrafficCar& car) const {
    const THSAModel* model = car.destroyed ? wreck_ : car.model;
    if (model) DrawModelAt(*model, car.position, car.heading);
    if (car.destroyed) return;

    if (car.Armed() && car.health > 0 && car.Weapon().Model)
        DrawModelAt(*car.Weapon().Model, car.weaponPoint, car.turretAngle);

    const TKeepGLState keep;
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    if (car.brakeLightTime > 0) {
        DrawLight(brakeLight_, car.lightPoints[0], 2);
        DrawLight(brakeLight_, car.lightPoints[2], 2);
    }
    if (car.indicatorTime > 0 && car.indicatorTime / 200 % 2 == 0) {
        glColor4f(1, 1, 1, 0.5f);
        const int back = car.indicatorUp ? 0 : 2;
        DrawLight(backLight_, car.lightPoints[back], 1);
        DrawLight(backLight_, car.lightPoints[back + 1], 1);
        glColor4f(1, 1, 1, 1);
    }
    if (car.muzzleFlashTime > 0 && game_.flashTextures[0]) {
        const TVector4 at{car.muzzlePoint.x, car.muzzlePoint.y, car.muzzlePoint.z + 2, 0};
        DrawFlatQuad(game_.flashTextures[car.muzzleFlashTime < 51 ? 0 : 1], at, car.turretAngle, -2, -4, 2,
                     0);
    }
}
