// The 5-bit symbol encoding of Config.cfg lines and score submissions.
#include "settings/SymbolTable.h"

#include <array>
#include <cstdint>

namespace {

// Symbol -> group number, -1 for characters outside the table.
std::array<int, 256> MakeSymbolIndex() {
    std::array<int, 256> index;
    index.fill(-1);
    for (int g = 0; g < kSymbolCount; ++g)
        index[static_cast<uint8_t>(kSymbolTable[g])] = g;
    return index;
}

// Regroups a bit string held as `groups` of `fromBits` bits each into groups of `toBits`,
// with zero bits prepended so that the total is a multiple of `toBits`.
std::string Regroup(const std::string& groups, int fromBits, int toBits) {
    const size_t totalBits = groups.size() * fromBits;
    const size_t padding = (toBits - totalBits % toBits) % toBits;
    std::string out;
    out.reserve((totalBits + padding) / toBits);
    uint32_t accumulator = 0;
    size_t bitsHeld = padding;
    for (char group : groups) {
        accumulator = (accumulator << fromBits) | (static_cast<uint8_t>(group) & ((1u << fromBits) - 1));
        bitsHeld += fromBits;
        while (bitsHeld >= static_cast<size_t>(toBits)) {
            bitsHeld -= toBits;
            out.push_back(static_cast<char>((accumulator >> bitsHeld) & ((1u << toBits) - 1)));
        }
    }
    return out;
}

} // namespace

std::string EncodeSymbols(const std::string& text) {
    std::string symbols = Regroup(text, 8, 5);
    for (char& s : symbols)
        s = kSymbolTable[static_cast<uint8_t>(s)];
    return symbols;
}

std::string DecodeSymbols(const std::string& line) {
    static const std::array<int, 256> symbolIndex = MakeSymbolIndex();
    std::string groups;
    groups.reserve(line.size());
    for (char c : line) {
        const int g = symbolIndex[static_cast<uint8_t>(c)];
        if (g >= 0) groups.push_back(static_cast<char>(g));
    }
    return Regroup(groups, 5, 8);
}

std::string EncodeValue(const std::string& value) {
    if (value.empty()) return std::string();
    std::string filled = value;
    while (filled.size() % 5 != 0)
        filled.push_back('%');
    return EncodeSymbols(filled);
}

std::string DecodeValue(const std::string& line) {
    const std::string text = DecodeSymbols(line);
    return text.substr(0, text.find('%'));
}
