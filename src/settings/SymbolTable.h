// The 5-bit symbol encoding that hides Config.cfg values and the score record sent to the
// world high-score service; the service decodes with this same table.
#pragma once

#include <string>

// Table A: symbol g stands for the 5-bit group g. It is the RFC 4648 base32 alphabet, so a
// text whose length is a multiple of 5 encodes exactly as unpadded base32 and the service
// can decode submissions with any base32 decoder. Changing it makes every saved Config.cfg
// unreadable and breaks score submission.
inline constexpr char kSymbolTable[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
inline constexpr int kSymbolCount = 32;
static_assert(sizeof(kSymbolTable) - 1 == kSymbolCount);

// The bytes of `text` as a bit string (most significant bit first), zero bits prepended to
// a multiple of 5, one symbol per 5 bits.
std::string EncodeSymbols(const std::string& text);
// The inverse: 5 bits per symbol of `line` (other characters are skipped), zero bits
// prepended to a multiple of 8, one byte per 8 bits.
std::string DecodeSymbols(const std::string& line);

// A Config.cfg value line: the value filled with '%' to a multiple of 5 characters and
// encoded; an empty value stays an empty line.
std::string EncodeValue(const std::string& value);
// The value of a line: the decoded text up to its first '%'.
std::string DecodeValue(const std::string& line);
