// The map loaders' token readers: the current token of a map file and the conversions of
// coordinates, numbers and points that advance it.
#pragma once

#include "resources/Vector.h"
#include "world/MemoryStream.h"
#include "world/Parser.h"

#include <array>
#include <string>

// Map coordinates are integer map units of 1/64, scaled by 1.25 on the way into the world.
constexpr int COORDINATE_LIMIT = 5000;
constexpr float MapToWorld(float mapUnits) {
    return mapUnits / 64 * 1.25f;
}

// Entry i + COORDINATE_LIMIT holds coordinate i (-5000 .. 5000) in world units.
extern const std::array<float, 2 * COORDINATE_LIMIT + 1> CoordinateTable;

class TTokenReader {
public:
    // Resets the parser and reads the first token of the stream.
    TTokenReader(TTextParser& parser, TMemoryStream& stream);

    // Empty at the end of the file.
    const std::string& Token() const { return token_; }
    void Advance();

    // The current token as an integer coordinate through CoordinateTable; a coordinate
    // outside -5000 .. 5000 raises "Map coordinate out of range: ".
    float ReadCoordinate();
    // "." is the decimal point of map files whatever the locale.
    float ReadNumber();
    // Three coordinates p1, p2, p3 stored as (-p1, -p2, p3); w untouched.
    void ReadPoint(TVector4& point);
    void SkipTokens(int count);

private:
    TTextParser& parser_;
    TMemoryStream& stream_;
    std::string token_;
};

// Splits an entity value "a b c" (exactly one space apart) into three numbers; anything
// else raises the conversion error.
std::array<float, 3> ParseTriple(const std::string& value);
