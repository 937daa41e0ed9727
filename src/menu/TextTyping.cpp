// The typing shared by the name boxes.
#include "menu/TextTyping.h"

#include "menu/MenuGlobals.h"
#include "settings/KeyControl.h"

namespace {

void TypeKey(std::string& text, int key) {
    if (!Keys->IsPressed(key)) return;
    Keys->ClearPressed(key);
    if (text.size() < kMaxTypedLength) text += static_cast<char>(key);
}

} // namespace

void TypeText(std::string& text) {
    if (Keys->IsPressed(KEY_BACKSPACE) && !text.empty()) {
        text.pop_back();
        Keys->ClearPressed(KEY_BACKSPACE);
        PlayClickSound();
    }
    for (int key = '0'; key <= '9'; ++key)
        TypeKey(text, key);
    TypeKey(text, ' ');
    for (int key = 'A'; key <= 'Z'; ++key)
        TypeKey(text, key);
}

std::string TrimmedName(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
