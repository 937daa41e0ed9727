// The player's car on screen: body, shield, trail, gunner and muzzle flash.
#include "gameplay/Player.h"

#include <GL/gl.h>

#include <algorithm>

#include "gameplay/Aim.h"
#include "gameplay/DrawHelpers.h"
#include "gameplay/HUD.h"
#include "gameplay/HudState.h"
#include "resources/DataPath.h"
#include "resources/GLState.h"
#include "resources/HSAModel.h"
#include "resources/Matrix.h"
#include "resources/ModelLib.h"
#include "resources/Skeleton.h"
#include "resources/SoundLib.h"
#include "world/BonusTypes.h"

namespace {

TVector4 NodePoint(const THSAModel* model, const char* name) {
    const TActor& actor = model->CurrentActor();
    for (int i = 0; i < actor.NodeCount(); ++i) {
        if (actor.nodes[i].name != name || actor.bindPose.FrameCount() == 0) continue;
        const TMatrix& world = actor.bindPose.Frame(0)[i].world;
        return MakeVector(world[12], world[13], world[14]);
    }
    return {};
}

int LoadSound(const char* name) {
    return SoundLib ? SoundLib->LoadSample(DataPath(std::string("Data\\Sounds\\") + name), false) : 0;
}

} // namespace

void TPlayer::LoadAssets() {
    // Skinned, so that it can break up when it is destroyed.
    car_ = ModelLib->Load(DataPath("Data\\Models\\Player\\Player.hsa"), true);
    const std::string gunners = "Data\\Models\\Gunner_pl\\";
    gunners_ = {ModelLib->Load(DataPath(gunners + "gunner_gun.hsa"), false),
                ModelLib->Load(DataPath(gunners + "gunner_uzi.hsa"), false),
                ModelLib->Load(DataPath(gunners + "gunner_uzi.hsa"), false),
                ModelLib->Load(DataPath(gunners + "gunner_machinegun.hsa"), false)};
    soundGun_ = LoadSound("Shoot_gun.WAV");
    soundUzi_ = LoadSound("Shoot_uzi.WAV");
    soundAssault_ = LoadSound("Shoot_assault.WAV");
    soundShotgun_ = LoadSound("Shoot_shotgun.WAV");
    soundRocket_ = LoadSound("Shoot_rocket.WAV");
    soundExplosion_ = LoadSound("npc_explosion.wav");

    body.wheels = {NodePoint(car_, "wheel_rb"), NodePoint(car_, "wheel_lb"), NodePoint(car_, "wheel_rt"),
                   NodePoint(car_, "wheel_lt")};
    const char* boxes[8] = {"hitbox_fbr",   "hitbox_fbl",  "hitbox_bbl",  "hitbox_bbr",
                            "hitbox_front", "hitbox_back", "hitbox_left", "hitbox_right"};
    for (int i = 0; i < 8; ++i)
        body.hitBoxes[i] = NodePoint(car_, boxes[i]);
    body.weapon = NodePoint(car_, "weapon");
    body.engine = NodePoint(car_, "engine");
    body.smoke = NodePoint(car_, "smoke");
    body.flash = NodePoint(gunners_[0], "Flash");
    VehicleContact = &contact;
    PlaceWorldPoints();
}

void TPlayer::Render() const {
    if (!car_) return;
    const THUD* hud = game_.hud;
    const THSAModel* gunner = gunners_[0];
    if (hud && hud->MachinegunBullets > 0) {
        gunner = gunners_[3];
    } else if (hud && hud->UziBullets > 0) {
        gunner = gunners_[1];
    } else if (hud && hud->ShotgunBullets > 0) {
        gunner = gunners_[2];
    }

    const TVector4 rootOffset = PoseCar();
    const float alpha = ActiveBonus == BT_GHOST ? 0.2f : 1.0f;
    // The blink runs only while its clock does: over the run-in it would hide the car throughout.
    const bool hidden = Active && blinkTime > 0 && blinkTime / 200 % 2 == 1;
    glEnable(GL_TEXTURE_2D);
    if (!hidden) DrawBody(Add(position, rootOffset), alpha);
    if (game_.timeDivisor >= 2 || ActiveBonus == BT_NITRO) DrawTrail(alpha);
    if (hidden || Health <= 0) return;

    const float turn = GunnerTurn();
    DrawModelAt(*gunner, weaponPoint, turn);
    if (muzzleFlashTime > 0) {
        const TKeepGLState keep;
        glDepthMask(GL_FALSE);
        const float s = static_cast<float>(weaponKind);
        DrawFlatQuad(game_.flashTextures[muzzleFlashTime < 51 ? 0 : 1], muzzlePoint, turn, -s, -2 * s, s, 0);
    }
}

TVector4 TPlayer::PoseCar() const {
    // Alive: the still first animation; destroyed: the break-up, one frame per 50 ms. A model
    // without that animation shows its bind pose.
    TActor& actor = car_->CurrentActor();
    const TAnimation* posed = car_->Animation(Destroyed ? 1 : 0);
    if (!posed || posed->FrameCount() == 0) posed = &actor.bindPose;
    const int frame = Destroyed ? std::min(dyingTime / 50, posed->FrameCount() - 1) : 0;
    if (posed != posedAnimation_ || frame != posedFrame_) {
        Pose(actor, *posed, frame);
        posedAnimation_ = posed;
        posedFrame_ = frame;
    }
    // Skinning keeps the root where the bind pose has it; the animation's root motion places
    // the car instead.
    return Subtract(posed->Frame(frame)[0].position, actor.bindPose.Frame(0)[0].position);
}

void TPlayer::DrawCarModel(const TVector4& at, float heading, float lean, float scale) const {
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    glRotatef(heading * kDegreesPerRadian, 0, 0, 1);
    glRotatef(lean * kDegreesPerRadian, 0, 1, 0);
    if (scale != 1) glScalef(scale, scale, scale);
    car_->DrawSkinned();
    glPopMatrix();
}

void TPlayer::DrawBody(const TVector4& at, float alpha) const {
    const TKeepGLState keep;
    if (alpha < 1) glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, alpha);
    DrawCarModel(at, rotation.z, rotation.y, 1);
    if (Shield > 0) {
        glDisable(GL_LIGHTING);
        glColor4f(0.5f, 1, 1, alpha * Shield / MaxHealth);
        DrawCarModel(at, rotation.z, rotation.y, 1.2f);
    }
    glColor4f(1, 1, 1, 1);
}

void TPlayer::DrawTrail(float alpha) const {
    const TKeepGLState keep;
    glDisable(GL_LIGHTING);
    const float fade[5] = {5 / 6.0f, 4 / 6.0f, 3 / 6.0f, 1 / 6.0f, 1 / 6.0f};
    for (int k = 1; k <= 5; ++k) {
        const TTrailRecord& record = trail[k - 1];
        glColor4f(1, 1, 1, alpha * fade[k - 1]);
        const TVector4 at{record.position.x, record.position.y + k * 0.016f * forwardVelocity,
                          record.position.z, 0};
        DrawCarModel(at, record.heading, 0, 1);
    }
    glColor4f(1, 1, 1, 1);
}
