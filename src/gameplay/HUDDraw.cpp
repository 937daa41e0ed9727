// The HUD's pictures: panels, health, score, weapon, bonus, progress, clock, start light.
#include "gameplay/HUD.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "gameplay/HudState.h"
#include "gameplay/Player.h"
#include "platform/Platform.h"
#include "resources/Crosshair.h"
#include "resources/DataPath.h"
#include "resources/Out2D.h"
#include "resources/SoundLib.h"
#include "resources/TextureLib.h"
#include "settings/Configure.h"
#include "world/BonusTypes.h"

namespace {

constexpr const char* kIconNames[14] = {"",
                                        "b_Machine carbine",
                                        "b_Machine gun",
                                        "b_Shot-gun",
                                        "b_Flare pistol",
                                        "b_Bonus Nitro",
                                        "b_Energy Shield",
                                        "b_Ghost Mode",
                                        "b_Bonus Money",
                                        "b_Rockets",
                                        "b_Bonus Money",
                                        "b_Repair",
                                        "b_Slomo",
                                        "b_Time"};
constexpr const char* kBonusSounds[14] = {"",
                                          "Data\\Sounds\\Bonus_uzi.wav",
                                          "Data\\Sounds\\Bonus_assault.wav",
                                          "Data\\Sounds\\Bonus_shotgun.wav",
                                          "Data\\Sounds\\Bonus_rockets.wav",
                                          "Data\\Sounds\\Bonus_nitro.WAV",
                                          "Data\\Sounds\\Bonus_shield.wav",
                                          "Data\\Sounds\\Bonus_ghost.wav",
                                          "Data\\Sounds\\Bonus_money.wav",
                                          "Data\\Sounds\\Bonus_rockets.wav",
                                          "Data\\Sounds\\Bonus_money.wav",
                                          "Data\\Sounds\\Shoot_assault.wav",
                                          "Data\\Sounds\\Shoot_assault.wav",
                                          "Data\\Sounds\\Shoot_assault.wav"};

constexpr int kLeftWidth = 256;
constexpr int kCentreWidth = 296;
constexpr int kRightWidth = 202;
constexpr int kPanelHeight = 96;

int LoadHudTexture(const std::string& name) {
    return TextureLib->LoadInterfacePicture(DataPath("Data\\HUD\\" + name));
}

// A texture over the pixel rectangle (x1, y1) .. (x2, y2), y down.
void DrawPicture(const THudView& view, int texture, float x1, float y1, float x2, float y2, float s2 = 1) {
    Out2D->DrawTexturedQuad(texture, view.PixelX(x1), view.PixelY(y1), view.PixelX(x2), view.PixelY(y2), 0, 0,
                            s2, 1);
}

void PrintAt(const THudView& view, const std::string& text, float x, float y) {
    Out2D->PrintText(text, FONT_14, view.PixelX(x), view.PixelY(y));
    glEnable(GL_TEXTURE_2D);
}

int ProfileScore() {
    if (!Config || Config->CurrentPlayer < 0 || Config->CurrentPlayer >= Config->PlayerCount) return 0;
    return Config->Players[Config->CurrentPlayer].Score;
}

} // namespace

void THUD::LoadAssets() {
    leftPanel_ = LoadHudTexture("Left_Panel.png");
    centrePanel_ = LoadHudTexture("Center_Panel.png");
    centreFull_ = LoadHudTexture("Center_Panel_FULL.png");
    arrow_ = LoadHudTexture("Arrow.png");
    rightPanel_ = LoadHudTexture("Right_Panel.png");
    for (int k = 0; k < 4; ++k) {
        energy_[k] = LoadHudTexture("Energy " + std::to_string(k + 1) + ".png");
        energyLit_[k] = LoadHudTexture("Energy " + std::to_string(k + 1) + "_L.png");
    }
    startLights_ = {LoadHudTexture("Lights_Red.png"), LoadHudTexture("Lights_Yellow.png"),
                    LoadHudTexture("Lights_Green.png")};
    for (int type = 1; type < BT_COUNT; ++type) {
        bonus_[type].a = LoadHudTexture(std::string(kIconNames[type]) + "_a.png");
        bonus_[type].b = LoadHudTexture(std::string(kIconNames[type]) + "_b.png");
        if (SoundLib) bonus_[type].sound = SoundLib->LoadSample(DataPath(kBonusSounds[type]), false);
    }
    gunIcon_ = LoadHudTexture("b_Gun_a.png");
}

void THUD::Draw(const THudView& view, const TCrosshair* crosshair) const {
    const bool blink = platform::GetTickCount() / 400 % 2 == 1;
    glViewport(0, 0, view.width, view.height);
    UseDeviceCoordinates();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);

    DrawTargetMarker(view);
    glEnable(GL_TEXTURE_2D);
    DrawPicture(view, leftPanel_, 0, 0, kLeftWidth, 128, 0.99f);
    DrawHealthAndScore(view, blink);
    const float right = view.LayoutWidth() - kRightWidth;
    DrawPicture(view, rightPanel_, right, 0, view.LayoutWidth(), kPanelHeight, 0.99f);
    DrawWeapon(view);
    if (Rockets > 0) {
        DrawPicture(view, bonus_[BT_ROCKETS].a, right + 131, 19, right + 193, 74);
        PrintAt(view, std::to_string(Rockets), right + 135, 86);
    }
    DrawBonus(view);
    DrawProgress(view);
    DrawClock(view, blink);
    DrawLastBonus(view);
    DrawStartLight(view);
    glColor4f(1, 1, 1, 1);
    if (crosshair) crosshair->DrawMarker(view.SizeX(1), view.SizeY(1));
    glEnable(GL_DEPTH_TEST);
}

void THUD::DrawTargetMarker(const THudView& view) const {
    if (!target.visible) return;
    glDisable(GL_TEXTURE_2D);
    if (target.friendly) {
        glColor4f(0, 1, 0, 1);
    } else {
        glColor4f(1, 0, 0, 1);
    }
    const float dx = view.SizeX(5);
    const float dy = view.SizeY(5);
    const float xs[2] = {target.left, target.right};
    const float ys[2] = {target.bottom, target.top};
    // Marks as thick as the interface is large.
    glLineWidth(std::max(1.0f, std::round(view.scale)));
    glBegin(GL_LINES);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const float x = xs[i];
            const float y = ys[j];
            glVertex2f(x, y);
            glVertex2f(x + (i == 0 ? dx : -dx), y);
            glVertex2f(x, y);
            glVertex2f(x, y + (j == 0 ? dy : -dy));
        }
    glEnd();
    glLineWidth(1);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
}

void THUD::DrawHealthAndScore(const THudView& view, bool blink) const {
    const TPlayer* player = game_.player;
    if (!player) return;
    for (int k = 1; k <= 4; ++k) {
        const float x1 = 100 + 22.0f * (k - 1);
        DrawPicture(view, energy_[k - 1], x1, 15, x1 + 22, 35);
        if (!HealthSegmentLit(k, player->Health, player->MaxHealth)) continue;
        const bool blinks = HealthSegmentBlinks(k, player->Health, player->MaxHealth);
        glColor4f(1, 1, 1, blinks ? (blink ? 1.0f : 0.0f) : 1.0f);
        DrawPicture(view, energyLit_[k - 1], x1, 15, x1 + 22, 35);
        glColor4f(1, 1, 1, 1);
    }
    glColor4f(1, 1, 0, 1);
    PrintAt(view, std::to_string(player->score.Displayed() + ProfileScore()), 110, 63);
    glColor4f(1, 1, 1, 1);
}

void THUD::DrawWeapon(const THudView& view) const {
    int icon = gunIcon_;
    int count = -1;
    if (BazookaBullets >= 1) {
        icon = bonus_[BT_BAZOOKA].a;
        count = BazookaBullets;
    } else if (MachinegunBullets >= 1) {
        icon = bonus_[BT_MACHINEGUN].a;
        count = MachinegunBullets;
    } else if (UziBullets < 1 && ShotgunBullets < 1) {
        icon = gunIcon_;
    } else if (UziBullets < 1) {
        icon = bonus_[BT_SHOTGUN].a;
        count = ShotgunBullets;
    } else {
        icon = bonus_[BT_UZI].a;
        count = UziBullets;
    }
    const float right = view.LayoutWidth() - kRightWidth;
    DrawPicture(view, icon, right + 7, 19, right + 69, 74);
    if (count >= 0) PrintAt(view, std::to_string(count), right + 11, 86);
}

void THUD::DrawBonus(const THudView& view) const {
    if (!bonusShown || ActiveBonus <= 0) return;
    const float right = view.LayoutWidth() - kRightWidth;
    const float grow = 20 * bannerFactor;
    DrawPicture(view, bonus_[ActiveBonus].a, right + 131 - grow, 19 - grow, right + 193 + grow, 74 + grow);
    // Above the rockets count, which the banner covers.
    PrintAt(view, std::to_string(bonusSeconds), right + 135, 34);
}

void THUD::DrawProgress(const THudView& view) const {
    const float centre = (view.LayoutWidth() - kCentreWidth) / 2.0f;
    DrawPicture(view, centrePanel_, centre, 0, centre + kCentreWidth, kPanelHeight);
    const TPlayer* player = game_.player;
    if (!player) return;
    const float length = 40.0f * player->stageBlocks - 40;
    const float done = length > 0 ? player->distanceTravelled / length : 0;
    DrawPicture(view, centreFull_, centre + 105, 7, centre + 115 + 150 * done, 23);
    DrawPicture(view, arrow_, centre + 105 + 128 * done, 7, centre + 137 + 128 * done, 23);
}

void THUD::DrawClock(const THudView& view, bool blink) const {
    const TPlayer* player = game_.player;
    if (!player) return;
    if (player->TimeLeft < 10000) {
        glColor4f(1, blink ? 1.0f : 0.0f, 0, 1);
    } else {
        glColor4f(1, 1, 1, 1);
    }
    const float centre = (view.LayoutWidth() - kCentreWidth) / 2.0f;
    PrintAt(view, ClockText(player->TimeLeft), centre + 132, 40);
    glColor4f(1, 1, 1, 1);
}

void THUD::DrawLastBonus(const THudView& view) const {
    if (LastBonus <= 0) return;
    const float t = static_cast<float>(LastBonusTime);
    float scale = t < 1000 ? t / 1000 : 1 - (t - 1000) / 500;
    if (scale < 0) scale = 0;
    const float cx = view.LayoutWidth() / 2.0f;
    const float cy = view.LayoutHeight() / 2.0f;
    DrawPicture(view, bonus_[LastBonus].b, cx - 80 * scale, cy - 60 * scale, cx + 80 * scale,
                cy + 60 * scale);
}

void THUD::DrawStartLight(const THudView& view) const {
    const TPlayer* player = game_.player;
    if (!player || player->distanceTravelled >= 120) return;
    const float d = player->distanceTravelled;
    const int light = d < 40 ? 0 : d < 80 ? 1 : 2;
    const float cx = view.LayoutWidth() / 2.0f;
    const float cy = view.LayoutHeight() / 2.0f;
    DrawPicture(view, startLights_[light], cx - 128, cy - 64, cx + 128, cy + 64);
}
