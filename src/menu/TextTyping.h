// Typing into the name boxes of the nick-name and country pages: both type alike.
#pragma once

#include <cstddef>
#include <string>

// The world high-score service takes names and countries of at most this many bytes, so the
// boxes stop there.
constexpr size_t kMaxTypedLength = 64;

// Applies this frame's latched keys to `text`: Backspace removes the last character (with the
// click sound) when there is one; then digits, space and the letters (as capitals) are
// appended, in that order, until the text is kMaxTypedLength long. The latches of the keys
// used are cleared, also those of keys the full box refused.
void TypeText(std::string& text);
// The name with its leading and trailing spaces removed.
std::string TrimmedName(const std::string& text);
