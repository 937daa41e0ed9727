// Random text for the fuzz tests.
#pragma once

#include <random>
#include <string>

// Up to `maxLength` characters drawn from `alphabet`, or any bytes when it is empty.
inline std::string RandomText(std::mt19937& random, size_t maxLength, const std::string& alphabet) {
    std::string text(random() % (maxLength + 1), '\0');
    for (char& c : text)
        c = alphabet.empty() ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
    return text;
}
