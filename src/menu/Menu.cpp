// Menu creation and the menu frame.
#include "menu/Menu.h"

#include <GL/gl.h>

#include "core/Log.h"
#include "gameplay/GameState.h"
#include "menu/Button.h"
#include "menu/MainPage.h"
#include "menu/MenuGlobals.h"
#include "menu/MenuLayout.h"
#include "menu/MenuScreen.h"
#include "menu/MenuWindow.h"
#include "menu/PageTable.h"
#include "menu/ShownButtons.h"
#include "resources/DataPath.h"
#include "resources/Out2D.h"
#include "resources/SoundLib.h"
#include "resources/TextureLib.h"
#include "settings/Configure.h"
#include "settings/KeyControl.h"

TMenu* Menu = nullptr;

namespace {

// "Music is loading", Windows-1251.
constexpr char LoadingMusic[] = "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xE5\xF2\xF1\xFF\x20\xEC\xF3\xE7\xFB\xEA\xE0";

constexpr char TitlePicture[] = "Data\\Menu\\Name of game.png";
constexpr char SplashPicture[] = "Data\\Menu\\Splash.jpg";
constexpr char PointerInPicture[] = "Data\\Menu\\Cursor_in.png";
constexpr char PointerOutPicture[] = "Data\\Menu\\Cursor_out.png";

// Without players the game opens on the page that makes one.
int FirstPage() {
    return Config->PlayerCount == 0 ? PAGE_CREATE_PLAYER : PAGE_MAIN;
}

} // namespace

template <size_t... Numbers> void TMenu::CreatePages(std::index_sequence<Numbers...>) {
    // The comma fold runs left to right: the pages are made in page order.
    ((pages_[Numbers] = std::make_unique<TPageType<Numbers>>(*this)), ...);
}

TMenu::TMenu(TStageHost& stage)
    : Stage(stage), title_(LoadMenuTexture(TitlePicture)), splash_(LoadMenuTexture(SplashPicture)),
      pointerIn_(LoadMenuTexture(PointerInPicture)), pointerOut_(LoadMenuTexture(PointerOutPicture)) {
    CreatePages(std::make_index_sequence<PAGE_COUNT>());
    CurrentMenuPage = FirstPage();
    if (CurrentMenuPage == PAGE_CREATE_PLAYER) Config->CurrentPlayer = 0;
    Log->Write(LoadingMusic);
    music_ = SoundLib->LoadSample(DataPath("Data\\Music\\MENU_K_V.ogg"), true);
    HoverSound = SoundLib->LoadSample(DataPath("Data\\Sounds\\OnButton.WAV"), false);
    ClickSound = SoundLib->LoadSample(DataPath("Data\\Sounds\\Click.WAV"), false);
}

TMenu::~TMenu() = default;

void TMenu::DecodePicturesAhead() {
    for (const char* path : {SplashPicture, TitlePicture, PointerInPicture, PointerOutPicture})
        TextureLib->DecodeAhead(DataPath(path));
    const bool creating = FirstPage() == PAGE_CREATE_PLAYER;
    for (const char* path : {creating ? LARGE_WINDOW : MAIN_LOGO_INACTIVE, creating ? BUTTON2_OUT : MAIN_LOGO_ACTIVE,
                             BUTTON1_OUT})
        TextureLib->DecodeAhead(DataPath(path));
}

void TMenu::Draw(uint32_t step, const TMenuScreen& screen) {
    SetMenuScreen(screen);
    const TMenuPoint pointer = PointerPoint(screen);
    pointerX_ = pointer.x;
    pointerY_ = pointer.y;

    PointerOverWidget = false;
    ShownButtons.page = CurrentMenuPage;
    ShownButtons.buttons.clear();
    ApplyMenuViewport();
    UseDeviceCoordinates();
    glDisable(GL_DEPTH_TEST);

    // The pause and stage-complete pages show the frozen scene instead.
    if (CurrentMenuPage != PAGE_PAUSE && CurrentMenuPage != PAGE_STAGE_COMPLETE)
        DrawFullScreenPicture(splash_);
    // The title keeps its proportions in the upper-right corner, as the splash keeps its own.
    const TPictureShare share = FullScreenShare(screen.viewportWidth, screen.viewportHeight);
    Out2D->DrawTexturedQuad(title_, 1 - 0.75f * share.down, 1 - 0.75f * share.across, 1, 1, 0.01f, 0.99f, 1,
                            0);

    if (CurrentMenuPage >= 0 && CurrentMenuPage < PAGE_COUNT)
        pages_[CurrentMenuPage]->Draw(step, pointerX_, pointerY_);

    Out2D->DrawTexturedQuad(PointerOverWidget ? pointerIn_ : pointerOut_, pointerX_, pointerY_ - PixelsY(64),
                            pointerX_ + PixelsX(64), pointerY_, 0, 0, 1, 1);

    // One press activates at most one widget, in one frame.
    Keys->ClearPressed(KEY_LEFT_BUTTON);
    Keys->ClearPressed(KEY_RIGHT_BUTTON);
    Keys->ClearPressed(KEY_PAD_CLICK);
}
