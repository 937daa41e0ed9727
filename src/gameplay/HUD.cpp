// The HUD's game state: bonuses, ammunition and the clocks of its pictures.
#include "gameplay/HUD.h"

#include <algorithm>

#include "gameplay/HudState.h"
#include "gameplay/Player.h"
#include "resources/Matrix.h"
#include "world/BonusTypes.h"
#include "world/GlobalTables.h"
#include "world/MissionValues.h"

namespace {

constexpr int kBannerTime = 5000;
constexpr int kFlashTime = 1500;

} // namespace

void THUD::ResetForStage(const TMissionValues& mission) {
    UziBullets = mission.UziBullets;
    MachinegunBullets = mission.MachinegunBullets;
    ShotgunBullets = mission.ShotgunBullets;
    BazookaBullets = mission.BazookaBullets;
    Rockets = mission.Rockets;
    BonusTimeLeft = 0;
    BonusBannerTime = 0;
    LastBonus = 0;
    LastBonusTime = 0;
    bonusShown = false;
    target = {};
}

void THUD::TakeBonus(int type) {
    if (type <= BT_NONE || type >= BT_COUNT) return;
    LastBonus = type;
    LastBonusTime = 0;
    const int amount = BonusAmount[type];
    TPlayer* player = game_.player;
    const auto startTimed = [&] {
        ActiveBonus = type;
        BonusTimeLeft = amount * 1000;
        BonusBannerTime = kBannerTime;
    };
    switch (type) {
    case BT_UZI:
        UziBullets += amount;
        MachinegunBullets = ShotgunBullets = BazookaBullets = 0;
        break;
    case BT_MACHINEGUN:
        MachinegunBullets += amount;
        UziBullets = ShotgunBullets = BazookaBullets = 0;
        break;
    case BT_SHOTGUN:
        ShotgunBullets += amount;
        UziBullets = MachinegunBullets = BazookaBullets = 0;
        break;
    case BT_BAZOOKA:
        BazookaBullets += amount;
        UziBullets = MachinegunBullets = ShotgunBullets = 0;
        break;
    case BT_ROCKETS: Rockets += amount; break;
    case BT_SHIELD:
        if (player) player->Shield = static_cast<float>(amount);
        break;
    case BT_SCORES:
        if (player) player->score.Add(amount);
        break;
    case BT_REPAIR:
        if (player) player->Health = std::min(player->Health + amount, player->MaxHealth);
        break;
    case BT_TIME:
        if (player) player->TimeLeft += amount;
        break;
    default: startTimed(); break; // nitro, ghost, money, slow motion
    }
    PlayGameSound(game_, bonus_[type].sound);
}

void THUD::Advance(int step) {
    bonusShown = false;
    if (BonusTimeLeft >= 1) {
        bannerFactor = BannerSizeFactor(BonusBannerTime);
        if (BonusBannerTime > 0) BonusBannerTime -= step;
        // The bonus clock: one step here and, while the bonus still runs, one more.
        BonusTimeLeft -= step;
        if (BonusTimeLeft <= 0) {
            ActiveBonus = BT_NONE;
        } else {
            bonusShown = true;
            bonusSeconds = BonusTimeLeft / 1000;
            BonusTimeLeft -= step;
        }
    }
    if (BonusTimeLeft < 1) ActiveBonus = BT_NONE;
    if (LastBonus > 0) {
        LastBonusTime += step;
        if (LastBonusTime > kFlashTime) LastBonus = 0;
    }
}

bool HealthSegmentLit(int k, float health, float maxHealth) {
    return health > (k - 1) / 4.0f * maxHealth;
}

bool HealthSegmentBlinks(int k, float health, float maxHealth) {
    return HealthSegmentLit(k, health, maxHealth) && health <= (2 * k - 1) / 8.0f * maxHealth;
}

float BannerSizeFactor(int bannerTime) {
    if (bannerTime >= 1501) return (2500 - bannerTime) / 1000.0f;
    if (bannerTime < 1000) return bannerTime / 1000.0f;
    return 1;
}

std::string ClockText(int timeLeft) {
    const int t = std::max(timeLeft, 0);
    return TwoDigits(t / 60000) + ":" + TwoDigits(t / 1000 % 60) + ":" + TwoDigits(t / 10 % 100);
}
