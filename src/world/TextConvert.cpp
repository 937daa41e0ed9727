// The map and table files' number conversions: the whole-text readers, with a leading '+'
// allowed and the loaders' error messages.
#include "world/TextConvert.h"

#include "core/Error.h"
#include "core/NumberText.h"

namespace {

// The whole-text readers take no '+'; these files may write one.
std::string WithoutPlus(const std::string& text) {
    const bool plus = text.size() > 1 && text[0] == '+' && text[1] != '+' && text[1] != '-';
    return plus ? text.substr(1) : text;
}

} // namespace

bool TryStrToInt(const std::string& text, int& value) {
    return TextToInteger(WithoutPlus(text), value);
}

bool TryStrToFloat(const std::string& text, float& value) {
    return TextToFloat(WithoutPlus(text), value);
}

int StrToInt(const std::string& text) {
    int value = 0;
    if (!TryStrToInt(text, value)) throw EGameError("'" + text + "' is not a valid integer value");
    return value;
}

float StrToFloat(const std::string& text) {
    float value = 0;
    if (!TryStrToFloat(text, value)) throw EGameError("'" + text + "' is not a valid floating point value");
    return value;
}
