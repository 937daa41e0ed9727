// Value lines of Config.cfg and the number texts they hold.
#include "settings/ConfigLines.h"

#include "core/TextLines.h"
#include "settings/SymbolTable.h"

#include <charconv>

std::string FloatToText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), static_cast<double>(value),
                                      std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

TConfigReader::TConfigReader(const std::string& bytes) {
    size_t position = 0;
    while (position < bytes.size())
        lines_.push_back(NextLine(bytes, position));
}

bool TConfigReader::ReadString(std::string& value) {
    if (next_ >= lines_.size()) return false;
    value = DecodeValue(lines_[next_++]);
    return true;
}

bool TConfigReader::ReadInteger(int32_t& value) {
    std::string text;
    return ReadString(text) && TextToInteger(text, value);
}

bool TConfigReader::ReadBoolean(bool& value) {
    std::string text;
    if (!ReadString(text)) return false;
    value = text == "true";
    return true;
}

bool TConfigReader::ReadFloat(float& value) {
    std::string text;
    return ReadString(text) && TextToFloat(text, value);
}

void TConfigWriter::WriteString(const std::string& value) {
    bytes_ += EncodeValue(value);
    bytes_ += "\r\n";
}

void TConfigWriter::WriteInteger(int32_t value) {
    WriteString(std::to_string(value));
}

void TConfigWriter::WriteBoolean(bool value) {
    WriteString(value ? "true" : "false");
}

void TConfigWriter::WriteFloat(float value) {
    WriteString(FloatToText(value));
}
