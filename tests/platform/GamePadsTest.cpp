// Game pads through SDL's virtual joystick, without a display: what reaches the key latches,
// a pad plugged in and out while the game runs, and the right stick's pointer.
#include "platform/GamePads.h"
#include "platform/PadPointer.h"
#include "settings/KeyControl.h"
#include "support/TestFiles.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace platform;

// Fetches every pending message, as the frames do, then takes the keyboard snapshot.
std::set<int> HeldKeys(uint8_t state[256]) {
    while (PeekMessage().kind != Message::None) {
    }
    GetKeyboardState(state);
    std::set<int> held;
    for (int key = 0; key < 256; ++key)
        if (state[key] & 0x80) held.insert(key);
    return held;
}

// A pad with every game-controller button and axis, plugged in for its lifetime.
struct TVirtualPad {
    TVirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        index = SDL_JoystickAttachVirtualEx(&desc);
        joystick = SDL_JoystickOpen(index);
    }
    ~TVirtualPad() {
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(index);
    }
    int index = -1;
    SDL_Joystick* joystick = nullptr;
};

// Pixels moved over `frames` frames of 25 ms with the stick at (x, y).
TPoint Travel(TPadPointer& pointer, float x, float y, int frames) {
    TPoint total;
    for (int i = 0; i < frames; ++i) {
        const TPoint step = pointer.Move(x, y, 25);
        total = {total.x + step.x, total.y + step.y};
    }
    return total;
}

} // namespace

TEST(GamePads, APadPluggedInWhileRunningReachesTheKeyLatchesAsItsCodes) {
    ASSERT_TRUE(StartGamePads()) << SDL_GetError();
    uint8_t state[256];
    {
        TVirtualPad pad;
        ASSERT_NE(pad.joystick, nullptr) << SDL_GetError();
        EXPECT_EQ(HeldKeys(state), std::set<int>()) << "a pad at rest, triggers included, holds nothing";
        for (int button : {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_DPAD_UP,
                           SDL_CONTROLLER_BUTTON_START})
            SDL_JoystickSetVirtualButton(pad.joystick, button, 1);
        SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
        // A third of the way: a trigger's travel starts at -32768.
        SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_TRIGGERLEFT, -10000);
        SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_LEFTX, -32768);
        SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_RIGHTY, 32767); // the pointer's
        EXPECT_EQ(HeldKeys(state), (std::set<int>{27, PAD_A, PAD_BACK, PAD_UP, PAD_RT, PAD_LEFT}));

        TTempDir dir;
        TKeys keys(dir.Path() + "keys.cfg");
        keys.Bindings[KP_FORWARD].Second = PAD_RT;
        keys.Update(state);
        EXPECT_TRUE(keys.ActionPressed(KP_FORWARD));
    }
    EXPECT_EQ(HeldKeys(state), std::set<int>()) << "unplugged with buttons down";
}

TEST(GamePads, TheRightStickRestsInItsDeadZoneAndCreepsBeyondIt) {
    ASSERT_TRUE(StartGamePads()) << SDL_GetError();
    TVirtualPad pad;
    uint8_t state[256];
    SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_RIGHTX, 5000);
    SDL_JoystickSetVirtualAxis(pad.joystick, SDL_CONTROLLER_AXIS_RIGHTY, -5000);
    HeldKeys(state);
    for (int frame = 0; frame < 200; ++frame) {
        const TPoint move = MovePointerByPad(25);
        ASSERT_TRUE(move.x == 0 && move.y == 0) << frame;
    }

    TPadPointer slow;
    EXPECT_GT(Travel(slow, 0, 0.3f, 80).y, 0) << "fractions of a pixel add up";
    // Every push starts slow again once the stick has rested.
    TPadPointer pointer;
    const int start = Travel(pointer, 1, 0, 4).x;
    EXPECT_GT(Travel(pointer, 1, 0, 4).x, start) << "speeding up";
    Travel(pointer, 0, 0, 1);
    EXPECT_EQ(Travel(pointer, 1, 0, 4).x, start);
}
