// Press latches over keyboard snapshots, and keys.cfg.
#include "settings/KeyControl.h"

#include "core/TextLines.h"
#include "platform/FileSystem.h"
#include "settings/ConfigLines.h"

#include <algorithm>
#include <iterator>

TKeys* Keys = nullptr;

namespace {

const char* const kActionFileKeys[] = {"KP_FORWARD", "KP_BACKWARD", "KP_LEFT",
                                       "KP_RIGHT",   "KP_SHOOT",    "KP_MISSILE"};
static_assert(std::size(kActionFileKeys) == KP_COUNT);

int ActionOfFileKey(const std::string& name) {
    for (int action = 0; action < KP_COUNT; ++action)
        if (name == kActionFileKeys[action]) return action;
    return -1;
}

bool ValidKey(int key) {
    return key >= NO_KEY && key <= 255;
}

// The bindings a keys.cfg text gives; false when it holds a bad key number or binds nothing,
// which the game never writes.
bool ReadBindings(const std::string& text, TKeyBindings& bindings) {
    bool anyBinding = false;
    size_t position = 0;
    while (position < text.size()) {
        const std::string line = NextLine(text, position);

        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const int action = ActionOfFileKey(line.substr(0, equals));
        if (action < 0) continue;
        int32_t key = 0;
        if (!TextToInteger(line.substr(equals + 1), key) || !ValidKey(key)) return false;
        if (bindings[action].First == NO_KEY)
            bindings[action].First = key;
        else
            bindings[action].Second = key;
        anyBinding = true;
    }
    return anyBinding;
}

} // namespace

TKeyBindings KeySettingsDefaults() {
    TKeyBindings bindings;
    bindings[KP_FORWARD] = {38, 87};  // Up, W
    bindings[KP_BACKWARD] = {40, 83}; // Down, S
    bindings[KP_LEFT] = {37, 65};     // Left, A
    bindings[KP_RIGHT] = {39, 68};    // Right, D
    bindings[KP_SHOOT] = {1, 17};     // Mouse Left, Control
    bindings[KP_MISSILE] = {2, 16};   // Mouse Right, Shift
    return bindings;
}

const char* ActionFileKey(int action) {
    return action >= 0 && action < KP_COUNT ? kActionFileKeys[action] : "";
}

TKeys::TKeys(const std::string& path) : fileName_(path) {
    std::string text;
    TKeyBindings read;
    if (platform::ReadWholeFile(path, text) && ReadBindings(text, read))
        Bindings = read;
    else
        Bindings = KeySettingsDefaults();
}

void TKeys::Update(const uint8_t current[256]) {
    std::copy(current, current + 256, current_);
    for (int k = 0; k < 256; ++k) {
        const bool down = (current_[k] & 0x80) != 0;
        if (down != ((previous_[k] & 0x80) != 0)) latches_[k + 1] = down;
    }
    std::copy(current_, current_ + 256, previous_);
}

bool TKeys::IsPressed(int key) const {
    return ValidKey(key) && latches_[key + 1];
}

void TKeys::ClearPressed(int key) {
    if (ValidKey(key)) latches_[key + 1] = false;
}

bool TKeys::ActionPressed(int action) const {
    if (action < 0 || action >= KP_COUNT) return false;
    return IsPressed(Bindings[action].First) || IsPressed(Bindings[action].Second);
}

bool TKeys::IsDown(int key) const {
    return key >= 0 && key <= 255 && (current_[key] & 0x80) != 0;
}

bool TKeys::BoundToAction(int key) const {
    if (key == NO_KEY) return false;
    for (const TKeyBinding& binding : Bindings) {
        if (binding.First == key || binding.Second == key) return true;
    }
    return false;
}

void TKeys::ClearAction(int action) {
    if (action < 0 || action >= KP_COUNT) return;
    ClearPressed(Bindings[action].First);
    ClearPressed(Bindings[action].Second);
}

bool TKeys::AnyPressed() const {
    return std::any_of(latches_ + 1, latches_ + 257, [](bool set) { return set; });
}

bool TKeys::Save() const {
    std::string text;
    for (int action = 0; action < KP_COUNT; ++action) {
        text += std::string(kActionFileKeys[action]) + "=" + std::to_string(Bindings[action].First) + "\r\n";
        text += std::string(kActionFileKeys[action]) + "=" + std::to_string(Bindings[action].Second) + "\r\n";
    }
    return platform::WriteFileReplacing(fileName_, text);
}
