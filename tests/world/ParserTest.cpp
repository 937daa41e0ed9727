// The table-driven tokenizer: actions, end of data, table checks, token readers and the
// shipped map table on editor text.
#include "world/Parser.h"
#include "core/NumberText.h"
#include "support/ErrorOf.h"
#include "world/MapTable.h"
#include "world/ParserTableWriter.h"
#include "world/TextConvert.h"
#include "world/TokenReader.h"
#include "world/WorldMessages.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstring>
#include <random>
#include <gtest/gtest.h>

namespace {

TBytes Bytes(const std::string& text) {
    return TBytes(text.begin(), text.end());
}

// One state: letters append, ' ' emits, '!' peeks, '#' is an error, '~' has an unknown
// action.
TTextParser ActionParser() {
    TParserTableWriter table(1);
    table.SetRange(0, 'a', 'z', 0, PA_APPEND);
    table.Set(0, " ", 0, PA_EMIT);
    table.Set(0, "!", 0, PA_PEEK);
    table.Set(0, "#", 0, PA_ERROR);
    table.Set(0, "~", 0, 77);
    return TTextParser(table.Bytes(), "test");
}

// The tokens of `text`, each followed by '|'.
std::string Tokens(TTextParser& parser, const std::string& text) {
    TMemoryStream stream(Bytes(text));
    parser.ResetParser();
    std::string tokens;
    for (std::string token = parser.GetToken(stream); !token.empty(); token = parser.GetToken(stream))
        tokens += token + "|";
    return tokens;
}

} // namespace

// What the shipped table does not use: the peek and unknown actions. (The rest: MapTable.)
TEST(TextParser, PeekUnknownActionsAndALexicalErrorNamingLexemeByteAndOffset) {
    TTextParser parser = ActionParser();
    // A peek leaves the text pending, so the next token starts with it.
    EXPECT_EQ(Tokens(parser, "ab!c~d "), "ab|abcd|");
    TMemoryStream stream(Bytes("xy ab#cd"));
    EXPECT_EQ(parser.GetToken(stream), "xy");
    const std::string expected = std::string(worldtext::LexicalErrorLexeme) + "\"ab" +
                                 worldtext::LexicalErrorByte + "#" + worldtext::LexicalErrorOffset + "6";
    EXPECT_EQ(ErrorOf([&] { parser.GetToken(stream); }), expected);
}

TEST(TextParser, DamagedTablesAreRejectedWhenLoaded) {
    TBytes table = TParserTableWriter(2).Bytes();
    EXPECT_EQ(ErrorOf([&] { TTextParser(TBytes(table.begin(), table.end() - 1), "t"); }),
              "Riched End Of File");
    // A huge count in a small file fails before anything is allocated.
    EXPECT_EQ(ErrorOf([&] {
                  TTextParser(TBytes{0xff, 0xff, 0xff, 0x7f, 0, 0, 0, 0}, "t");
              }),
              "Riched End Of File");
    EXPECT_NE(ErrorOf([&] {
                  TTextParser(TBytes{0, 0, 0, 0}, "t");
              }).find("Damaged parser table: t"),
              std::string::npos);

    TParserTableWriter outside(2);
    outside.Set(1, "x", 2, PA_APPEND);
    EXPECT_EQ(ErrorOf([&] { TTextParser(outside.Bytes(), "Map.ptb"); }),
              "Damaged parser table: Map.ptb, state 1 byte 120 leads to state 2 of 2");
}

TEST(TokenReader, PointsCoordinatesNumbersAndTriples) {
    TTextParser parser(BuildMapTable(), "Map.ptb");
    TMemoryStream stream(Bytes("{ { ( 64 128 -64 ) 0.5 -2.25 1e1 skip1 skip2 last 5000 -5000 5001"));
    TTokenReader reader(parser, stream);
    TVector4 point{9, 9, 9, 7};
    reader.ReadPoint(point);
    EXPECT_FLOAT_EQ(point.x, -1.25f);
    EXPECT_FLOAT_EQ(point.y, -2.5f);
    EXPECT_FLOAT_EQ(point.z, -1.25f);
    EXPECT_EQ(point.w, 7);

    // "." is the decimal point whatever the locale says.
    const std::string savedLocale = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(reader.ReadNumber(), 0.5f);
    EXPECT_EQ(reader.ReadNumber(), -2.25f);
    EXPECT_EQ(reader.ReadNumber(), 10.0f);
    std::setlocale(LC_NUMERIC, savedLocale.c_str());

    reader.SkipTokens(2);
    EXPECT_EQ(reader.Token(), "last");
    EXPECT_EQ(ErrorOf([&] { reader.ReadCoordinate(); }), "'last' is not a valid integer value");
    reader.Advance();
    EXPECT_FLOAT_EQ(reader.ReadCoordinate(), 97.65625f);
    EXPECT_FLOAT_EQ(reader.ReadCoordinate(), -97.65625f);
    EXPECT_EQ(ErrorOf([&] { reader.ReadCoordinate(); }), "Map coordinate out of range: 5001");

    // Plain numbers are read where they stand; any other token, and the end of the input, gives
    // the full conversion's value or error.
    const auto outcome = [](auto read) {
        try {
            return std::to_string(read());
        } catch (const EGameError& error) {
            return std::string(error.what());
        }
    };
    const std::string edges = "{ { 1.5 -0 .5 5. 1,5 +2 \" 3\" 1e3 1e999 1e-50 inf nan 1.5x - 07 99999999999 12";
    TTextParser parser2(BuildMapTable(), "Map.ptb");
    TMemoryStream numberStream(Bytes(edges)), coordinateStream(Bytes(edges));
    TTokenReader numbers(parser, numberStream), coordinates(parser2, coordinateStream);
    for (int i = 0; i < 18; ++i) {
        const std::string token = numbers.Token();
        std::string commas = token;
        std::replace(commas.begin(), commas.end(), '.', ',');
        EXPECT_EQ(outcome([&] { return numbers.ReadNumber(); }), outcome([&] { return StrToFloat(commas); }));
        EXPECT_EQ(outcome([&] { return coordinates.ReadCoordinate(); }),
                  outcome([&] { return MapToWorld(StrToInt(token)); }));
        numbers.SkipTokens(numbers.Token() == token);
        coordinates.SkipTokens(coordinates.Token() == token);
    }

    // A triple needs exactly one space between its numbers.
    EXPECT_EQ(ParseTriple("-12.5 0 8 extra"), (std::array<float, 3>{-12.5f, 0, 8}));
    EXPECT_EQ(ErrorOf([] { ParseTriple("1  2 3"); }), "'' is not a valid floating point value");
    EXPECT_NE(ErrorOf([] { ParseTriple("1 2"); }), "no error");
}

TEST(TextConvert, IntegersAndNumbersAreStrict) {
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "2147483648", "1.0", " 1", "0x10"})
        EXPECT_EQ(ErrorOf([&] { StrToInt(bad); }), std::string("'") + bad + "' is not a valid integer value");

    EXPECT_EQ(StrToFloat("1,5"), 1.5f);
    EXPECT_EQ(StrToFloat("+2E-1"), 0.2f);
    for (const char* bad : {"", ".", "1,2,3", "inf", "nan", "1e999", " 1"})
        EXPECT_NE(ErrorOf([&] { StrToFloat(bad); }), "no error") << bad;
}

TEST(TextConvert, PlainDecimalsReadBitForBitAsTheFullConversionReadsThem) {
    std::mt19937 random(7);
    for (int i = 0; i < 50000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 11), point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d)
            text += (d == point ? "." : "") + std::string(1, static_cast<char>('0' + random() % 10));
        float read = 0, full = 0;
        std::from_chars(text.data(), text.data() + text.size(), full);
        ASSERT_TRUE(DottedTextToFloat(text, read)) << text;
        ASSERT_EQ(std::memcmp(&read, &full, sizeof read), 0) << text << ": " << read << " against " << full;
    }
}

TEST(MapTable, EditorTextGivesTheBlockLoadersTokens) {
    TTextParser parser(BuildMapTable(), "Map.ptb");
    const std::string map = "// Game: Kestrova\r\n// Format: Valve\r\n// entity 0\r\n{\r\n"
                            "\"classname\" \"worldspawn\"\r\n\"mapversion\" \"220\"\r\n// brush 0\r\n{\r\n"
                            "( -64 -64 -16 ) ( -64 -63 -16 ) ( -64 -64 -15 ) road/01 [ 0 -1 0 0 ] "
                            "[ 0 0 -1 0.5 ] 0 1 1\r\n}\r\n}\r\n// entity 1\r\n{\r\n"
                            "\"classname\" \"OBJECT_SIMPLE\"\r\n\"origin\" \"12 -40 8\"\r\n}\r\n";
    EXPECT_EQ(Tokens(parser, map), "-64|-64|-16|-64|-63|-16|-64|-64|-15|road/"
                                   "01|0|-1|0|0|0|0|-1|0.5|0|1|1|classname|OBJECT_SIMPLE|origin|12 -40 8|");

    // A world entity without brushes: the entities after it come straight away.
    EXPECT_EQ(Tokens(parser, "{ \"classname\" \"worldspawn\" }\n{ \"classname\" \"SPAWN_POINT\" }"),
              "classname|SPAWN_POINT|");
    // A lone slash is a word; a comment may follow a brush on its own line, ended by LF or CR.
    EXPECT_EQ(Tokens(parser, "{ { 1 / 2\n// brush 1\n3 }"), "1|/|2|3|");
    EXPECT_EQ(Tokens(parser, "// head\r{ // world\r{ 1 // brush\r2 }"), "1|2|");
}

TEST(MapTable, ControlBytesAndUnterminatedQuotesAreLexicalErrors) {
    TTextParser parser(BuildMapTable(), "Map.ptb");
    EXPECT_NE(ErrorOf([&] { Tokens(parser, std::string("{ { 1 2\0 3", 10)); }).find("\"2"),
              std::string::npos);
    const std::string unterminated =
        ErrorOf([&] { Tokens(parser, "{ } { \"classname\" \"OBJECT\n\"x\" }"); });
    EXPECT_EQ(unterminated.substr(0, std::string(worldtext::LexicalErrorLexeme).size() + 7),
              std::string(worldtext::LexicalErrorLexeme) + "\"OBJECT");
}
