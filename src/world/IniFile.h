// INI files read by the Windows private-profile rules: case-insensitive section and key
// names, the first match wins, defaults for missing keys and values that do not convert.
#pragma once

#include "resources/Extractor.h"
#include "world/EnumLookup.h"

#include <string>
#include <utility>
#include <vector>

class TIniFile {
public:
    explicit TIniFile(const TBytes& bytes);
    // The file as the profile functions see it: an archive member without a loose file is
    // copied to "Extract.tmp" and read from there. A file that is neither raises "File not found ".
    static TIniFile Open(const std::string& fullPath);

    bool ValueExists(const std::string& section, const std::string& key) const;
    // The value with blanks around it and one pair of enclosing quotes removed.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal, or hexadecimal after "0x"; anything else gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // "." or "," as the decimal point, whatever the locale; anything else gives the default.
    float ReadFloat(const std::string& section, const std::string& key, float defaultValue) const;
    // The value's text looked up in `names` (exactly, with case); text that names nothing
    // leaves `value` as it was.
    template <size_t N>
    void ReadEnum(const std::string& section, const std::string& key, const std::string& defaultName,
                  const TEnumName (&names)[N], int& value) const {
        LookupEnumName(names, ReadString(section, key, defaultName), value);
    }
    // True exactly when the text is "TRUE" (so "True" is false).
    bool ReadFlag(const std::string& section, const std::string& key, const std::string& defaultText) const {
        return ReadString(section, key, defaultText) == "TRUE";
    }

private:
    struct TSection {
        std::string name;                                        // upper-cased
        std::vector<std::pair<std::string, std::string>> values; // upper-cased key, value
    };
    const std::string* Find(const std::string& section, const std::string& key) const;

    std::vector<TSection> sections_;
};
