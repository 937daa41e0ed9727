// Whole-text decimal numbers, read the same whatever the locale.
#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

// True, with `value` set, when all of `text` is one integer of type T: an optional '-' and
// decimal digits, in T's range. Anything else leaves `value` alone.
template <typename T> bool TextToInteger(const std::string& text, T& value) {
    T parsed{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) return false;
    value = parsed;
    return true;
}

// The same for a finite float; '.' or ',' is the decimal separator.
inline bool TextToFloat(const std::string& text, float& value) {
    std::string dotted = text;
    for (char& c : dotted)
        if (c == ',') c = '.';
    float parsed = 0;
    const char* end = dotted.data() + dotted.size();
    const auto result = std::from_chars(dotted.data(), end, parsed, std::chars_format::general);
    if (dotted.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
