// Whole-text decimal numbers, read the same whatever the locale.
#pragma once

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
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

// A plain decimal ("-12.375"; no exponent) whose digits make a whole number below 2^24 with at
// most ten after the point: that number and the power of ten are exact floats, so one
// division, correctly rounded, gives the float nearest the text, as the full conversion would,
// at a fraction of its cost. False for any other text.
inline bool PlainDecimalToFloat(std::string_view text, float& value) {
    static constexpr float kPowersOfTen[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const bool negative = !text.empty() && text[0] == '-';
    uint32_t digits = 0;
    int count = 0, afterPoint = -1;
    for (size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && afterPoint < 0) {
            afterPoint = 0;
        } else if (c >= '0' && c <= '9' && digits < (1u << 24) / 10) {
            digits = digits * 10 + static_cast<uint32_t>(c - '0');
            ++count;
            if (afterPoint >= 0 && ++afterPoint > 10) return false;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    const float magnitude = static_cast<float>(digits) / kPowersOfTen[std::max(afterPoint, 0)];
    value = negative ? -magnitude : magnitude;
    return true;
}

// The same for a finite float whose decimal separator, if any, is '.'. Most numbers in the
// data files look so: the file readers try this on the text where it stands first.
inline bool DottedTextToFloat(std::string_view text, float& value) {
    if (PlainDecimalToFloat(text, value)) return true;
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
