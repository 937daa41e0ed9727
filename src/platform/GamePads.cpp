// Game pads on SDL's game-controller layer, which gives every known pad the same buttons.
#include "platform/GamePads.h"
#include "platform/GamePadEvents.h"
#include "platform/PadPointer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {

constexpr int EscapeKey = 27;
// A trigger or stick direction counts as held from half way.
constexpr Sint16 HalfTilt = 16384;

struct TButtonKey {
    SDL_GameControllerButton button;
    int key;
};

const TButtonKey kButtonKeys[] = {
    {SDL_CONTROLLER_BUTTON_A, PAD_A},
    {SDL_CONTROLLER_BUTTON_B, PAD_B},
    {SDL_CONTROLLER_BUTTON_X, PAD_X},
    {SDL_CONTROLLER_BUTTON_Y, PAD_Y},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PAD_LB},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PAD_RB},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PAD_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PAD_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PAD_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PAD_RIGHT},
    {SDL_CONTROLLER_BUTTON_BACK, PAD_BACK},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PAD_L3},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PAD_R3},
    // Start pauses and leaves pages as Escape does everywhere.
    {SDL_CONTROLLER_BUTTON_START, EscapeKey},
};

std::vector<SDL_GameController*> pads;
TPadPointer padPointer;

SDL_JoystickID InstanceOf(SDL_GameController* pad) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

void OpenPad(int deviceIndex) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (std::any_of(pads.begin(), pads.end(),
                    [id](SDL_GameController* pad) { return InstanceOf(pad) == id; }))
        return;
    if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex)) pads.push_back(pad);
}

void ClosePad(SDL_JoystickID id) {
    const auto it = std::find_if(pads.begin(), pads.end(),
                                 [id](SDL_GameController* pad) { return InstanceOf(pad) == id; });
    if (it == pads.end()) return;
    SDL_GameControllerClose(*it);
    pads.erase(it);
}

void Mark(uint8_t state[256], int key, bool down) {
    if (down) state[key] |= 0x80;
}

float AxisShare(SDL_GameController* pad, SDL_GameControllerAxis axis) {
    return std::max(-1.0f, SDL_GameControllerGetAxis(pad, axis) / 32767.0f);
}

} // namespace

bool StartGamePads() {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    // The pads are read whole at each snapshot; a moving stick would otherwise queue far more
    // messages than one a frame can take.
    for (Uint32 type : {SDL_JOYAXISMOTION, SDL_JOYBALLMOTION, SDL_JOYHATMOTION, SDL_JOYBUTTONDOWN,
                        SDL_JOYBUTTONUP, SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERBUTTONDOWN,
                        SDL_CONTROLLERBUTTONUP, SDL_CONTROLLERTOUCHPADDOWN, SDL_CONTROLLERTOUCHPADMOTION,
                        SDL_CONTROLLERTOUCHPADUP, SDL_CONTROLLERSENSORUPDATE})
        SDL_EventState(type, SDL_IGNORE);
    return true;
}

bool HandlePadEvent(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        OpenPad(event.cdevice.which);
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        ClosePad(event.cdevice.which);
    }
    return event.type >= SDL_JOYAXISMOTION && event.type < SDL_FINGERDOWN;
}

void MarkPadKeys(uint8_t state[256]) {
    for (SDL_GameController* pad : pads) {
        for (const TButtonKey& entry : kButtonKeys)
            Mark(state, entry.key, SDL_GameControllerGetButton(pad, entry.button) != 0);
        Mark(state, PAD_LT, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT) >= HalfTilt);
        Mark(state, PAD_RT, SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) >= HalfTilt);
        const Sint16 x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
        const Sint16 y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
        Mark(state, PAD_LEFT, x <= -HalfTilt);
        Mark(state, PAD_RIGHT, x >= HalfTilt);
        Mark(state, PAD_UP, y <= -HalfTilt);
        Mark(state, PAD_DOWN, y >= HalfTilt);
    }
}

TPoint MovePointerByPad(uint32_t stepMs) {
    // With several pads the one pushed furthest leads.
    float x = 0, y = 0;
    for (SDL_GameController* pad : pads) {
        const float px = AxisShare(pad, SDL_CONTROLLER_AXIS_RIGHTX);
        const float py = AxisShare(pad, SDL_CONTROLLER_AXIS_RIGHTY);
        if (std::hypot(px, py) > std::hypot(x, y)) x = px, y = py;
    }
    const TPoint move = padPointer.Move(x, y, stepMs);
    if ((move.x != 0 || move.y != 0) && HasWindow()) {
        const TPoint size = ClientSize();
        const TPoint at = CursorPos();
        SetCursorPos(std::clamp(at.x + move.x, 0, std::max(0, size.x - 1)),
                     std::clamp(at.y + move.y, 0, std::max(0, size.y - 1)));
    }
    return move;
}

} // namespace platform
