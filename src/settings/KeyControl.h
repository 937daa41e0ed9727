// The keyboard and mouse buttons as press latches, and the keys bound to the game's actions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Game actions, in keys.cfg order.
enum TKeyAction { KP_FORWARD = 0, KP_BACKWARD, KP_LEFT, KP_RIGHT, KP_SHOOT, KP_MISSILE, KP_COUNT };

constexpr int NO_KEY = -1;

struct TKeyBinding {
    int32_t First = NO_KEY;
    int32_t Second = NO_KEY;
};
using TKeyBindings = std::array<TKeyBinding, KP_COUNT>;

// What the controls page's "Default" button binds; also used when keys.cfg cannot be used.
TKeyBindings KeySettingsDefaults();
// The keys.cfg name of an action ("KP_FORWARD" ...).
const char* ActionFileKey(int action);

class TKeys {
public:
    // Reads the bindings from `path` and keeps it for Save. A missing or unreadable file,
    // one without a single binding line, or one whose binding value is not a key number
    // (-1..255) gives the key-settings defaults instead, for the whole file.
    explicit TKeys(const std::string& path);

    // One snapshot (bit 7 = down, indexed by virtual-key code): a key that changed since
    // the last snapshot sets its latch when it went down and clears it when it went up.
    void Update(const uint8_t current[256]);
    // The key's latch; false for -1 and any code outside 0..255.
    bool IsPressed(int key) const;
    // Stays clear until the key is released and pressed again.
    void ClearPressed(int key);
    bool ActionPressed(int action) const;
    // Whether the key was down in the last snapshot, whatever its latch says.
    bool IsDown(int key) const;
    // Whether the key is one of the two keys of any action.
    bool BoundToAction(int key) const;
    void ClearAction(int action);
    bool AnyPressed() const;
    // Writes two "NAME=key" lines per action; false when the file cannot be written.
    bool Save() const;

    TKeyBindings Bindings; // NO_KEY = unbound

private:
    uint8_t previous_[256] = {};
    uint8_t current_[256] = {};
    bool latches_[257] = {}; // indexed by key + 1; entry 0 (no key) is never set
    std::string fileName_;
};

extern TKeys* Keys;
