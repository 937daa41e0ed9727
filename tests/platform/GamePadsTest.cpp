// Game pads through SDL's virtual joystick, without a display: what reaches the keyboard
// snapshot and the key latches, pads plugged in and out while the game runs, and the right
// stick's pointer.
#include "platform/GamePads.h"
#include "platform/PadPointer.h"
#include "platform/Platform.h"
#include "settings/KeyControl.h"
#include "support/TestFiles.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <set>

namespace {

// Fetches every pending message, as the frames do, so arrivals and removals are handled.
void Settle() {
    while (platform::PeekMessage().kind != platform::Message::None) {
    }
}

std::set<int> HeldKeys() {
    Settle();
    uint8_t state[256];
    platform::GetKeyboardState(state);
    std::set<int> held;
    for (int key = 0; key < 256; ++key)
        if (state[key] & 0x80) held.insert(key);
    return held;
}

// A virtual pad with every game-controller button and axis, plugged in for its lifetime.
class TVirtualPad {
public:
    TVirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = SDL_JoystickOpen(index_);
        Settle();
    }
    ~TVirtualPad() {
        SDL_JoystickClose(joystick_);
        SDL_JoystickDetachVirtual(index_);
        Settle();
    }
    bool Plugged() const { return joystick_ != nullptr; }
    void Button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
    }

private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

class GamePads : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(platform::StartGamePads()) << SDL_GetError(); }
};

// Total movement of `frames` frames of 25 ms with the stick held at (x, y).
platform::TPoint Travel(platform::TPadPointer& pointer, float x, float y, int frames) {
    platform::TPoint total;
    for (int i = 0; i < frames; ++i) {
        const platform::TPoint step = pointer.Move(x, y, 25);
        total.x += step.x;
        total.y += step.y;
    }
    return total;
}

} // namespace

TEST_F(GamePads, ButtonsTriggersAndDirectionsReachTheSnapshotAsTheirCodes) {
    TVirtualPad pad;
    ASSERT_TRUE(pad.Plugged()) << SDL_GetError();
    EXPECT_EQ(HeldKeys(), std::set<int>()) << "a pad at rest, triggers included, holds nothing";

    for (SDL_GameControllerButton button :
         {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
          SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_CONTROLLER_BUTTON_DPAD_UP,
          SDL_CONTROLLER_BUTTON_START})
        pad.Button(button, true);
    pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    pad.Axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -10000); // a third of the way: its travel starts at -32768
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTY, 20000);
    pad.Axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767); // the pointer's, no key
    using namespace platform;
    EXPECT_EQ(HeldKeys(), (std::set<int>{27, PAD_A, PAD_B, PAD_LB, PAD_BACK, PAD_R3, PAD_UP, PAD_RT, PAD_LEFT,
                                         PAD_DOWN}));

    for (SDL_GameControllerButton button : {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START})
        pad.Button(button, false);
    pad.Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    const std::set<int> held = HeldKeys();
    EXPECT_EQ(held.count(PAD_A) + held.count(27) + held.count(PAD_LEFT), 0u);
    EXPECT_EQ(held.count(PAD_RIGHT), 1u);

    // Bound like any key, the held trigger drives its action through the key latches.
    TTempDir dir;
    TKeys keys(dir.Path() + "keys.cfg");
    keys.Bindings[KP_FORWARD].Second = PAD_RT;
    uint8_t state[256];
    GetKeyboardState(state);
    keys.Update(state);
    EXPECT_TRUE(keys.ActionPressed(KP_FORWARD));
    EXPECT_FALSE(keys.ActionPressed(KP_BACKWARD));
}

TEST_F(GamePads, PadsPluggedInAndOutWhileRunningAreFollowed) {
    EXPECT_EQ(HeldKeys(), std::set<int>());
    for (int plug = 0; plug < 2; ++plug) {
        {
            TVirtualPad pad;
            pad.Button(SDL_CONTROLLER_BUTTON_Y, true);
            EXPECT_EQ(HeldKeys(), std::set<int>{platform::PAD_Y}) << "plugged in " << plug + 1 << " times";
        }
        EXPECT_EQ(HeldKeys(), std::set<int>()) << "a pad unplugged with a button down leaves nothing held";
    }
}

TEST_F(GamePads, TheRightStickMovesThePointerOnlyBeyondItsDeadZone) {
    TVirtualPad pad;
    pad.Axis(SDL_CONTROLLER_AXIS_RIGHTX, 5000);
    pad.Axis(SDL_CONTROLLER_AXIS_RIGHTY, -5000);
    Settle();
    for (int frame = 0; frame < 200; ++frame) {
        const platform::TPoint move = platform::MovePointerByPad(25);
        ASSERT_EQ(move.x, 0) << frame;
        ASSERT_EQ(move.y, 0) << frame;
    }
    pad.Axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
    pad.Axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    Settle();
    const platform::TPoint move = platform::MovePointerByPad(25);
    EXPECT_EQ(move.x, 0);
    EXPECT_LT(move.y, 0) << "up";
}

TEST(PadPointer, SpeedGrowsWithTiltAndOverThePush) {
    platform::TPadPointer pointer;
    const platform::TPoint start = Travel(pointer, 1, 0, 4);
    Travel(pointer, 1, 0, 12);
    const platform::TPoint full = Travel(pointer, 1, 0, 4);
    EXPECT_GT(start.x, 0);
    EXPECT_GT(full.x, 2 * start.x) << "a push speeds up";
    EXPECT_EQ(full.y, 0);
    Travel(pointer, 0, 0, 1);
    EXPECT_EQ(Travel(pointer, 1, 0, 4).x, start.x) << "letting go starts the next push slow again";

    platform::TPadPointer half;
    Travel(half, 0.6f, 0, 16);
    EXPECT_LT(4 * Travel(half, 0.6f, 0, 4).x, full.x) << "the speed grows faster than the tilt";

    // Just beyond the dead zone less than a pixel a frame: the fractions add up.
    platform::TPadPointer slow;
    const platform::TPoint crawl = Travel(slow, 0, 0.3f, 80);
    EXPECT_GT(crawl.y, 0);
    EXPECT_LT(crawl.y, 80);

    platform::TPadPointer diagonal;
    const platform::TPoint both = Travel(diagonal, -0.7f, -0.7f, 20);
    EXPECT_LT(both.x, 0);
    EXPECT_NEAR(both.x, both.y, 1);
}
