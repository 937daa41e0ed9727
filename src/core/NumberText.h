// Whole-text decimal numbers, read the same whatever the locale.
#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

// True, with `value` set, when all of `text` is one integer of type T: an optional '-' and
// decimal digits, in T's range. Anything else leaves `value` alone.
template <typename T> bool TextToInteger(std::string_view text, T& value) {
    T parsed{};
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) return false;
    value = parsed;
    return true;
}

// The same for a finite float whose decimal separator, if any, is '.'. Most numbers in the
// data files look so: the file readers try this on the text where it stands first.
inline bool DottedTextToFloat(std::string_view text, float& value) {
    float parsed = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, parsed, std::chars_format::general);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

// The same with '.' or ',' as the decimal separator.
inline bool TextToFloat(const std::string& text, float& value) {
    std::string dotted = text;
    for (char& c : dotted)
        if (c == ',') c = '.';
    return DottedTextToFloat(dotted, value);
}
