// Text of an INI file as the game's profile reader takes it.
#include "IniWriter.h"

#include <cmath>
#include <cstdlib>

void TIniWriter::Line(const std::string& line) {
    text_ += line;
    text_ += "\r\n";
}

void TIniWriter::Comment(const std::string& text) {
    Line("; " + text);
}

void TIniWriter::Section(const std::string& name) {
    if (!text_.empty()) Line("");
    Line("[" + name + "]");
}

void TIniWriter::Key(const std::string& key, const std::string& value) {
    Line(key + "=" + value);
}

void TIniWriter::Real(const std::string& key, double value) {
    // Tenths as an integer, so no locale's decimal separator can reach the file.
    const long tenths = std::lround(value * 10);
    const std::string sign = tenths < 0 ? "-" : "";
    const long magnitude = std::labs(tenths);
    Key(key, sign + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10));
}
