// Text of an INI file as the game's profile reader takes it: sections, keys, CRLF line ends.
#pragma once

#include <string>

class TIniWriter {
public:
    // A "; " line, for whoever opens the file in an editor.
    void Comment(const std::string& text);
    // Opens [name], after a blank line unless it is the first thing in the file.
    void Section(const std::string& name);
    void Key(const std::string& key, const std::string& value);
    void Key(const std::string& key, const char* value) { Key(key, std::string(value)); }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    void Key(const std::string& key, bool value) { Key(key, value ? "TRUE" : "FALSE"); }
    // A real with one decimal and '.' as the point, whatever the locale.
    void Real(const std::string& key, double value);

    const std::string& Text() const { return text_; }

private:
    void Line(const std::string& line);

    std::string text_;
};
