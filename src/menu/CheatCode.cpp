// The typed codes.
#include "menu/CheatCode.h"

#include "settings/KeyControl.h"

namespace {

// The monitored keys in the order they are read: the letters as they first appear in
// "PWBJUQ", then the new letters of "TAXHUDYC", then the digits.
constexpr char MonitoredKeys[] = "PWBJUQTAXHDYC0123456789";

std::string CodeText(int number) {
    if (number == CHEAT_HEALTH) return "TAXHUDYC";
    const int stage = number + 1;
    return std::string("PWBJUQ") + static_cast<char>('0' + stage / 10) + static_cast<char>('0' + stage % 10);
}

} // namespace

int TCheatCode::Check() {
    for (const char* key = MonitoredKeys; *key; ++key) {
        if (!Keys->IsPressed(*key)) continue;
        window_ = window_.substr(1) + *key;
        Keys->ClearPressed(*key);
    }
    int result = -1;
    for (int number = 0; number <= CHEAT_HEALTH; ++number)
        if (window_ == CodeText(number)) result = number;
    if (result >= 0) window_ = std::string(8, ' ');
    return result;
}
