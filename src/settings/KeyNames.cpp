// Display names of the virtual-key codes, shown on the controls page.
#include "settings/KeyNames.h"

#include <iterator>

namespace {

// Indexed by key + 1: entry 0 names "no key" (-1). Rows of eight, each headed by its first code.
// clang-format off
const char* const kKeyNames[] = {
    // -1
    "NONE",
    // 0
    "UNKNOWN", "Mouse Left", "Mouse Right", "VK_CANCEL", "Mouse Middle", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 8
    "Backspace", "Tab", "UNKNOWN", "UNKNOWN", "VK_CLEAR", "Return", "UNKNOWN", "UNKNOWN",
    // 16
    "Shift", "Control", "VK_MENU", "VK_PAUSE", "VK_CAPITAL", "VK_KANA", "VK_HANGUL", "VK_JUNJA",
    // 24
    "VK_FINAL", "VK_HANJA", "VK_KANJI", "Escape", "VK_CONVERT", "VK_NONCONVERT", "VK_ACCEPT", "VK_MODECHANGE",
    // 32
    "Space", "VK_PRIOR", "VK_NEXT", "VK_END", "VK_HOME", "Left", "Up", "Right",
    // 40
    "Down", "VK_SELECT", "VK_PRINT", "VK_EXECUTE", "VK_SNAPSHOT", "Insert", "Delete", "VK_HELP",
    // 48
    "0", "1", "2", "3", "4", "5", "6", "7",
    // 56
    "8", "9", ":", ";", "<", "=", ">", "?",
    // 64
    "@", "A", "B", "C", "D", "E", "F", "G",
    // 72
    "H", "I", "J", "K", "L", "M", "N", "O",
    // 80
    "P", "Q", "R", "S", "T", "U", "V", "W",
    // 88
    "X", "Y", "Z", "VK_LWIN", "VK_RWIN", "VK_APPS", "UNKNOWN", "UNKNOWN",
    // 96
    "NUMPAD0", "NUMPAD1", "NUMPAD2", "NUMPAD3", "NUMPAD4", "NUMPAD5", "NUMPAD6", "NUMPAD7",
    // 104
    "NUMPAD8", "NUMPAD9", "MULTIPLY", "ADD", "SEPARATOR", "SUBTRACT", "DECIMAL", "DIVIDE",
    // 112
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8",
    // 120
    "F9", "F10", "F11", "F12", "F13", "F14", "F15", "F16",
    // 128
    "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24",
    // 136: game pads (platform/GamePads.h)
    "PAD A", "PAD B", "PAD X", "PAD Y", "PAD LB", "PAD RB", "PAD LT", "PAD RT",
    // 144
    "VK_NUMLOCK", "VK_SCROLL", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "PAD UP",
    // 152
    "PAD DOWN", "PAD LEFT", "PAD RIGHT", "PAD BACK", "PAD L3", "PAD R3", "UNKNOWN", "UNKNOWN",
    // 160
    "LSHIFT", "RSHIFT", "LCONTROL", "RCONTROL", "VK_LMENU", "VK_RMENU", "UNKNOWN", "UNKNOWN",
    // 168
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 176
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 184
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 192
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 200
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 208
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 216
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 224
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "VK_PROCESSKEY", "UNKNOWN", "UNKNOWN",
    // 232
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN",
    // 240
    "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN", "VK_ATTN", "VK_CRSEL",
    // 248
    "VK_EXSEL", "VK_EREOF", "VK_PLAY", "VK_ZOOM", "VK_NONAME", "VK_PA1", "VK_OEM_CLEAR", "UNKNOWN",
};
// clang-format on
static_assert(std::size(kKeyNames) == 257, "one name for 'no key' and each of the 256 codes");

} // namespace

const char* KeyName(int key) {
    if (key < -1 || key > 255) return "UNKNOWN";
    return kKeyNames[key + 1];
}
