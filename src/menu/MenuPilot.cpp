// The menu pilot. Every press lasts one frame and is let go in the next, so each one sets its
// latch anew; a page is read only once a frame has shown it.
#include "menu/MenuPilot.h"

#include <algorithm>

#include "gameplay/GameState.h"
#include "menu/MenuGlobals.h"
#include "menu/MenuScreen.h"
#include "menu/ShownButtons.h"
#include "settings/Configure.h"
#include "world/MissionValues.h"

namespace {

constexpr int SpaceKey = 32;
constexpr uint8_t KeyDown = 0x80;

bool HasCurrentProfile() {
    return Config->CurrentPlayer >= 0 && Config->CurrentPlayer < Config->PlayerCount;
}

// A client pixel inside the window whose pointer stands inside `rect`: the middle of the
// rectangle's visible part. False when none of it is on screen.
bool AimAt(const TRect& rect, platform::TPoint& aim) {
    const TMenuScreen& screen = MenuScreen;
    const platform::TPoint low = CursorFor(screen, {rect.x1, rect.y2});
    const platform::TPoint high = CursorFor(screen, {rect.x2, rect.y1});
    const int x1 = std::max(low.x, 0);
    const int x2 = std::min(high.x, screen.viewportWidth - 1);
    const int y1 = std::max(low.y, 0);
    const int y2 = std::min(high.y, screen.viewportHeight - 1);
    aim = {(x1 + x2) / 2, (y1 + y2) / 2};
    TMenuScreen at = screen;
    at.cursorX = aim.x;
    at.cursorY = aim.y;
    const TMenuPoint point = PointerPoint(at);
    return x1 <= x2 && y1 <= y2 && rect.Contains(point.x, point.y);
}

} // namespace

void TMenuPilot::Frame(uint8_t state[256], platform::TPoint& pointer) {
    std::fill(state, state + 256, 0);
    if (!pointerKnown_) {
        pointer_ = pointer;
        pointerKnown_ = true;
    }
    if (CurrentMenuPage != page_) {
        page_ = CurrentMenuPage;
        typed_ = 0;
    }
    if (pressed_) {
        pressed_ = false;
    } else if (ShownButtons.page == CurrentMenuPage) {
        const TAction action = Choose();
        if (!action.button.empty()) {
            Click(action, state);
        } else if (action.key) {
            state[action.key] = KeyDown;
            pressed_ = true;
        }
    }
    pointer = pointer_;
}

TMenuPilot::TAction TMenuPilot::Choose() {
    switch (CurrentMenuPage) {
    case PAGE_MAIN: return MainPage();
    case PAGE_PLAYERS: return PlayersPage();
    case PAGE_CREATE_PLAYER: return Type(kName, "Ok");
    case PAGE_STORY: started_ = true; return {"", SpaceKey};
    case PAGE_LOAD: return {"", SpaceKey};
    // Escape hurries the tally on a phase at a time; "Next" acts once it is over.
    case PAGE_STAGE_COMPLETE: return {"Next", KEY_ESCAPE};
    case PAGE_LOSE: return {"Exit"};
    // A click, since a key would stay latched and be typed on the country page.
    case PAGE_FINAL: return {"", KEY_LEFT_BUTTON};
    case PAGE_COUNTRY: return Type(kCountry, "Ok");
    case PAGE_SEND_HIGH_SCORE:
    case PAGE_CONNECTION_FAILED: return {"No"};
    case PAGE_CONNECTION:
    case PAGE_LAST_SCREEN: return {};
    // Any other page is left by its Back, which Escape presses.
    default: return {"", KEY_ESCAPE};
    }
}

TMenuPilot::TAction TMenuPilot::MainPage() {
    if (MissionValues.GameInProgress) return {"Resume Game"};
    if (started_) {
        finished_ = true;
        return {};
    }
    if (!HasCurrentProfile()) return {"Players"};
    return {"New Game"};
}

TMenuPilot::TAction TMenuPilot::PlayersPage() const {
    if (Config->PlayerCount == 0) return {"Create"};
    if (!HasCurrentProfile()) return {Config->Players[0].Name};
    return {"Back"};
}

TMenuPilot::TAction TMenuPilot::Type(const std::string& text, const std::string& button) {
    if (typed_ < text.size()) return {"", static_cast<unsigned char>(text[typed_++])};
    return {button};
}

void TMenuPilot::Click(const TAction& action, uint8_t state[256]) {
    const TShownButton* button = ShownButtons.Find(action.button);
    platform::TPoint aim;
    if (!button || !AimAt(button->rect, aim)) return;
    if (aim.x != pointer_.x || aim.y != pointer_.y) {
        pointer_ = aim;
        return;
    }
    state[KEY_LEFT_BUTTON] = KeyDown;
    if (action.key) state[action.key] = KeyDown;
    pressed_ = true;
}
