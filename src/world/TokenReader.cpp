// Token readers shared by the block geometry, collision and entity loaders.
#include "world/TokenReader.h"

#include "core/Error.h"
#include "core/NumberText.h"
#include "world/TextConvert.h"

#include <algorithm>

namespace {

constexpr std::array<float, 2 * COORDINATE_LIMIT + 1> MakeCoordinateTable() {
    std::array<float, 2 * COORDINATE_LIMIT + 1> table{};
    for (int i = -COORDINATE_LIMIT; i <= COORDINATE_LIMIT; ++i)
        table[i + COORDINATE_LIMIT] = MapToWorld(static_cast<float>(i));
    return table;
}

} // namespace

const std::array<float, 2 * COORDINATE_LIMIT + 1> CoordinateTable = MakeCoordinateTable();

TTokenReader::TTokenReader(TTextParser& parser, TMemoryStream& stream) : parser_(parser), stream_(stream) {
    parser_.ResetParser();
    Advance();
}

void TTokenReader::Advance() {
    token_ = parser_.GetToken(stream_);
}

// Plain numbers, most of a map file, are read where they stand; any other token takes the
// full conversion, with its error message.
float TTokenReader::ReadCoordinate() {
    int i = 0;
    if (!TextToInteger(token_, i)) i = StrToInt(token_);
    if (i < -COORDINATE_LIMIT || i > COORDINATE_LIMIT)
        throw EGameError("Map coordinate out of range: " + token_);
    Advance();
    return CoordinateTable[i + COORDINATE_LIMIT];
}

float TTokenReader::ReadNumber() {
    float value = 0;
    if (!DottedTextToFloat(token_, value)) {
        std::string text = token_;
        std::replace(text.begin(), text.end(), '.', ',');
        value = StrToFloat(text);
    }
    Advance();
    return value;
}

void TTokenReader::ReadPoint(TVector4& point) {
    const float p1 = ReadCoordinate();
    const float p2 = ReadCoordinate();
    const float p3 = ReadCoordinate();
    point.x = -p1;
    point.y = -p2;
    point.z = p3;
}

void TTokenReader::SkipTokens(int count) {
    for (int i = 0; i < count; ++i)
        Advance();
}

std::array<float, 3> ParseTriple(const std::string& value) {
    std::string rest = value + ' ';
    std::array<float, 3> numbers{};
    for (float& number : numbers) {
        const size_t space = rest.find(' ');
        // A missing number leaves an empty text, which does not convert.
        const std::string text = space == std::string::npos ? std::string() : rest.substr(0, space);
        number = StrToFloat(text);
        rest.erase(0, space == std::string::npos ? rest.size() : space + 1);
    }
    return numbers;
}
