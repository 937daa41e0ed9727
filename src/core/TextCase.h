// Upper case for names compared without regard to case: archive paths, file kinds, keys.
#pragma once

#include <string>

// Only ASCII letters change, whatever the locale: the game's texts are single-byte.
inline std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
