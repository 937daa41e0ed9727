// The head-up display and the state it keeps for the whole game: ammunition, the timed
// bonus and the flash of the last bonus taken. Advance runs its clocks once per game frame;
// Draw only reads what Advance left.
#pragma once

#include <array>
#include <string>

#include "gameplay/GameContext.h"

class TCrosshair;
struct TMissionValues;

// The window the HUD is laid out in. Positions and sizes are pixels of the layout, which the
// interface scale turns into screen pixels.
struct THudView {
    int width = 800;
    int height = 600;
    float scale = 1;
    float LayoutWidth() const { return width / scale; }
    float LayoutHeight() const { return height / scale; }
    float PixelX(float px) const { return -1 + px * scale * 2 / width; }
    float PixelY(float py) const { return 1 - py * scale * 2 / height; }
    float SizeX(float px) const { return px * scale * 2 / width; }
    float SizeY(float py) const { return py * scale * 2 / height; }
};

// Where the traffic's render framed the aimed-at car on screen (normalised device units).
struct TTargetMarker {
    bool visible = false;
    bool friendly = false;
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

class THUD {
public:
    explicit THUD(TGameContext& game) : game_(game) {}

    // Textures and bonus sounds; needs the game's GL context and libraries.
    void LoadAssets();
    // A new stage: the mission's ammunition, no bonus running or flashing.
    void ResetForStage(const TMissionValues& mission);

    // Applies a bonus handed over by a destroyed car.
    void TakeBonus(int type);
    // The clocks the draw runs: the bonus clock (twice the step while a bonus runs), the
    // banner and the last-bonus flash.
    void Advance(int step);
    // Over the whole window of `view`; ends with the crosshair's marker when there is one.
    void Draw(const THudView& view, const TCrosshair* crosshair) const;

    // Ammunition.
    int UziBullets = 0;
    int MachinegunBullets = 0;
    int ShotgunBullets = 0;
    int BazookaBullets = 0;
    int Rockets = 0;

    // The timed bonus; ActiveBonus itself is the shared value of HudState.h.
    int BonusTimeLeft = 0;
    int BonusBannerTime = 0;
    int LastBonus = 0;
    int LastBonusTime = 0;

    TTargetMarker target; // written by the traffic's render of this frame

    // What Advance measured for this frame's picture.
    float bannerFactor = 0;
    int bonusSeconds = 0;
    bool bonusShown = false;

private:
    struct TBonusIcons {
        int a = 0;
        int b = 0;
        int sound = 0;
    };
    void DrawTargetMarker(const THudView& view) const;
    void DrawHealthAndScore(const THudView& view, bool blink) const;
    void DrawWeapon(const THudView& view) const;
    void DrawBonus(const THudView& view) const;
    void DrawProgress(const THudView& view) const;
    void DrawClock(const THudView& view, bool blink) const;
    void DrawLastBonus(const THudView& view) const;
    void DrawStartLight(const THudView& view) const;

    TGameContext& game_;
    std::array<TBonusIcons, 14> bonus_{};
    int gunIcon_ = 0;
    int leftPanel_ = 0;
    int centrePanel_ = 0;
    int centreFull_ = 0;
    int arrow_ = 0;
    int rightPanel_ = 0;
    std::array<int, 4> energy_{};
    std::array<int, 4> energyLit_{};
    std::array<int, 3> startLights_{};
};

// Segment k (1..4) of the health bar: lit, and blinking while lit, for these values.
bool HealthSegmentLit(int k, float health, float maxHealth);
bool HealthSegmentBlinks(int k, float health, float maxHealth);
// The size of the timed bonus's icon for the banner time left: below 0 drawn mirrored.
float BannerSizeFactor(int bannerTime);
// The stage clock as minutes:seconds:hundredths, each at least two digits.
std::string ClockText(int timeLeft);
