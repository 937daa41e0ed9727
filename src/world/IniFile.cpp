// The INI reader behind Global.cfg and the mission files.
#include "world/IniFile.h"

#include "core/TextCase.h"
#include "world/TextConvert.h"

#include <cstdint>

namespace {

std::string Trim(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    size_t first = 0;
    size_t last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "0x" and up to eight hex digits, taken as the 32 bits of an int32 (so 0xFFFFFFFF is -1).
bool TryHexToInt(const std::string& text, int& value) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
    if (text.size() < i + 3 || text[i] != '0' || (text[i + 1] != 'x' && text[i + 1] != 'X')) return false;
    uint32_t bits = 0;
    for (i += 2; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0 || bits > 0x0fffffffu) return false;
        bits = bits << 4 | static_cast<uint32_t>(digit);
    }
    value = static_cast<int>(negative ? 0u - bits : bits);
    return true;
}

} // namespace

TIniFile::TIniFile(const TBytes& bytes) {
    TSection* current = nullptr;
    size_t position = 0;
    while (position < bytes.size()) {
        size_t end = position;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const std::string line = Trim(std::string(bytes.begin() + position, bytes.begin() + end));
        position = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);

        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            sections_.push_back(
                {UpperCase(Trim(line.substr(1, close == std::string::npos ? close : close - 1))), {}});
            current = &sections_.back();
            continue;
        }
        const size_t equals = line.find('=');
        // Lines before the first section and lines without '=' name nothing.
        if (!current || equals == std::string::npos) continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        current->values.emplace_back(UpperCase(Trim(line.substr(0, equals))), value);
    }
}

TIniFile TIniFile::Open(const std::string& fullPath) {
    return TIniFile(Extractor->ExtractForReader(fullPath));
}

const std::string* TIniFile::Find(const std::string& section, const std::string& key) const {
    const std::string sectionName = UpperCase(section);
    const std::string keyName = UpperCase(key);
    for (const TSection& entry : sections_) {
        if (entry.name != sectionName) continue;
        for (const auto& [name, value] : entry.values)
            if (name == keyName) return &value;
        // Only the first section of a name is looked at.
        return nullptr;
    }
    return nullptr;
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
    return Find(section, key) != nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const std::string* value = Find(section, key);
    return value ? *value : defaultValue;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) const {
    const std::string* text = Find(section, key);
    int value = defaultValue;
    if (text && !TryHexToInt(*text, value) && !TryStrToInt(*text, value)) return defaultValue;
    return value;
}

float TIniFile::ReadFloat(const std::string& section, const std::string& key, float defaultValue) const {
    const std::string* text = Find(section, key);
    float value = defaultValue;
    if (text && !TryStrToFloat(*text, value)) return defaultValue;
    return value;
}
