// Reading and writing the encoded value lines of Config.cfg, one value per line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Value lines hold their numbers as TextToInteger and TextToFloat read them.
#include "core/NumberText.h"

// General format, up to 15 significant digits, '.' as the decimal separator.
std::string FloatToText(float value);

// Hands out the decoded values of a file, line by line. Each reader returns false, leaving
// `value` alone, at the end of the file or when the line does not convert.
class TConfigReader {
public:
    // Lines end with LF or CR LF; a last line without an ending counts when it is not empty.
    explicit TConfigReader(const std::string& bytes);
    bool ReadString(std::string& value);
    bool ReadInteger(int32_t& value);
    // True exactly when the text is "true"; any other text reads as false.
    bool ReadBoolean(bool& value);
    bool ReadFloat(float& value);

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

// Collects encoded value lines, each ended with CR LF.
class TConfigWriter {
public:
    void WriteString(const std::string& value);
    void WriteInteger(int32_t value);
    void WriteBoolean(bool value);
    void WriteFloat(float value);
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};
