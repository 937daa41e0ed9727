// Number conversions that accept exactly the texts the map and table files use.
#include "world/TextConvert.h"

#include "core/Error.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Moves `i` past a run of digits; true when there was at least one.
bool SkipDigits(const std::string& text, size_t& i) {
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i > start;
}

} // namespace

bool TryStrToInt(const std::string& text, int& value) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
    if (i == text.size()) return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) return false;
    }
    const int64_t result = negative ? -magnitude : magnitude;
    if (result > INT32_MAX) return false;
    value = static_cast<int>(result);
    return true;
}

bool TryStrToFloat(const std::string& text, float& value) {
    // Checked by hand first, so that from_chars' extras (inf, nan) never get in.
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    bool digits = SkipDigits(text, i);
    std::string plain = text;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        plain[i] = '.';
        ++i;
        digits = SkipDigits(text, i) || digits;
    }
    if (!digits) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        if (!SkipDigits(text, i)) return false;
    }
    if (i != text.size()) return false;
    // from_chars ignores the locale; it takes no leading '+'.
    const size_t first = plain[0] == '+' ? 1 : 0;
    double result = 0;
    const auto [end, error] = std::from_chars(plain.data() + first, plain.data() + plain.size(), result);
    if (error != std::errc() || end != plain.data() + plain.size() || std::fabs(result) > FLT_MAX)
        return false;
    value = static_cast<float>(result);
    return true;
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
