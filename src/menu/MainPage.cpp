// The title menu. Button rows are pixels from the lower-left corner of the screen.
#include "menu/MainPage.h"

#include <algorithm>

#include "menu/MenuScreen.h"

#include "menu/Addresses.h"
#include "menu/MenuGlobals.h"
#include "menu/PageTable.h"
#include "menu/StageHost.h"
#include "platform/Platform.h"
#include "settings/Configure.h"
#include "settings/ScreenSizes.h"
#include "world/MissionValues.h"

namespace {

constexpr float HealthCode = 10000000;

// A button from x1..x2 and y1..y2 pixels from the screen's left and bottom edges.
TRect FromCorner(float x1, float y1, float x2, float y2) {
    return {PixelsX(x1) - 1, PixelsY(y1) - 1, PixelsX(x2) - 1, PixelsY(y2) - 1};
}

// The column's lower-left corner stands 24, 25 pixels from the screen's: at the sizes the
// Graphics page offers on the screen, elsewhere on the same point of the background picture,
// as far as the window shows it. How far it moves from there, in pixels of the layout.
TMenuPoint ColumnShift() {
    const TMenuScreen& screen = MenuScreen;
    if (ListedResolutionOf(screen.viewportWidth, screen.viewportHeight) >= 0) return {};
    const TPictureShare share = FullScreenShare(screen.viewportWidth, screen.viewportHeight);
    const float across = screen.viewportWidth / (800 * share.across);
    const float down = screen.viewportHeight / (600 * share.down);
    const float x = (screen.viewportWidth - 800 * across) / 2 + 24 * across;
    const float y = (screen.viewportHeight - 600 * down) / 2 + 25 * down;
    return {std::max(x / screen.scale, 24.0f) - 24, std::max(y / screen.scale, 25.0f) - 25};
}

} // namespace

bool CanResume() {
    const int stage = CurrentProfile().Stage;
    return MissionValues.GameInProgress || (stage >= 2 && stage <= 15);
}

TMainPage::TMainPage(TMenu& owner)
    : TMenuPage(owner), logo_(MAIN_LOGO_ACTIVE, MAIN_LOGO_INACTIVE),
      resume_(BUTTON1_OUT, BUTTON1_IN, "Resume Game"), newGame_(BUTTON1_OUT, BUTTON1_IN, "New Game"),
      options_(BUTTON1_OUT, BUTTON1_IN, "Options"), highScore_(BUTTON1_OUT, BUTTON1_IN, "High Score"),
      help_(BUTTON1_OUT, BUTTON1_IN, "Help"), players_(BUTTON1_OUT, BUTTON1_IN, "Players"),
      exit_(BUTTON1_OUT, BUTTON1_IN, "Exit") {
    logo_.SetTextureRect(0, 1, 1, 0);
}

void TMainPage::LoadProfileStage() {
    CurrentMenuPage = PAGE_LOAD;
    PageOf<PAGE_LOAD>(Owner).Prepare(StageMissionPath(CurrentProfile().Stage));
}

void TMainPage::Draw(uint32_t, float x, float y) {
    const std::string welcome = "Welcome, " + CurrentProfile().Name + "!";
    if (welcome != welcome_) {
        welcome_ = welcome;
        ForceRelayout();
    }
    if (LayoutChanged()) {
        const TTextExtent size = MeasureText(FONT_14, welcome_);
        welcomeX_ = (2 - PixelsX(size.w)) / 2 - 1;
        welcomeY_ = -1 + PixelsY(25) + PixelsY(size.h) / 6;
        const TMenuPoint shift = ColumnShift();
        const auto row = [&](float y1, float y2) {
            return FromCorner(24 + shift.x, y1 + shift.y, 154 + shift.x, y2 + shift.y);
        };
        resume_.SetRect(row(235, 265));
        newGame_.SetRect(row(200, 230));
        options_.SetRect(row(165, 195));
        highScore_.SetRect(row(130, 160));
        help_.SetRect(row(95, 125));
        players_.SetRect(row(60, 90));
        exit_.SetRect(row(25, 55));
        logo_.SetRect({1 - PixelsX(256), PixelsY(-8) - 1, 1, PixelsY(120) - 1});
    }
    PrintYellow(welcome_, FONT_14, welcomeX_, welcomeY_);

    if (logo_.Activated(x, y)) {
        PlayClickSound();
        platform::OpenAddress(HomePageAddress());
    }
    logo_.Draw();

    if (CanResume()) {
        if (resume_.Activated(x, y)) {
            PlayClickSound();
            if (MissionValues.GameInProgress)
                MenuActive = false;
            else
                LoadProfileStage();
        }
        resume_.Draw();
    }

    if (newGame_.Activated(x, y)) {
        PlayClickSound();
        TGamePlayer& profile = CurrentProfile();
        profile.Score = 0;
        profile.Stage = 1;
        profile.Shotgun = profile.Uzi = profile.Machinegun = profile.Bazooka = profile.Rockets = 0;
        CurrentMenuPage = PAGE_STORY;
        PageOf<PAGE_STORY>(Owner).Reset();
    }
    newGame_.Draw();

    struct TLink {
        TButton& button;
        int page;
    };
    for (const TLink& link :
         {TLink{options_, PAGE_OPTIONS}, TLink{highScore_, PAGE_HIGH_SCORES}, TLink{help_, PAGE_HELP},
          TLink{players_, PAGE_PLAYERS}, TLink{exit_, PAGE_EXIT}}) {
        if (link.button.Activated(x, y)) {
            PlayClickSound();
            CurrentMenuPage = link.page;
            if (link.page == PAGE_HELP) PageOf<PAGE_HELP>(Owner).ShowFirstPicture();
        }
        link.button.Draw();
    }

    const int code = cheats_.Check();
    if (code >= 0 && code < CHEAT_STAGE_CODES) {
        CurrentProfile().Stage = code + 1;
        LoadProfileStage();
    } else if (code == CHEAT_HEALTH) {
        Owner.Stage.SetHealth(HealthCode);
    }
}
