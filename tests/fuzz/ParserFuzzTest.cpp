// Damaged tables and random text through the tokenizer and the token readers: the only
// outcomes are tokens or the game's error, and every loop ends.
#include "core/Error.h"
#include "support/RandomText.h"
#include "world/MapTable.h"
#include "world/Parser.h"
#include "world/TokenReader.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// Reads tokens until the end; every call consumes a byte or meets the end, so the count is bounded.
void Drain(TTextParser& parser, const std::string& text) {
    TMemoryStream stream(TBytes(text.begin(), text.end()));
    size_t calls = 0;
    try {
        while (!parser.GetToken(stream).empty() || stream.Position() < stream.Size())
            ASSERT_LE(++calls, text.size() + 1);
    } catch (const EGameError&) {
    }
}

const std::string kMapAlphabet = "{}()[]\"/ \r\n\t-.,0123456789abcxyz_\x01";

} // namespace

TEST(ParserFuzz, RandomTableFilesLoadOrFail) {
    std::mt19937 random(42);
    const TBytes valid = BuildMapTable();
    for (int round = 0; round < 300; ++round) {
        TBytes bytes = valid;
        bytes.resize(random() % (valid.size() + 8));
        for (int flips = random() % 6; flips > 0 && !bytes.empty(); --flips)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        try {
            TTextParser parser(bytes, "fuzz");
            Drain(parser, RandomText(random, 200, kMapAlphabet));
        } catch (const EGameError&) {
        }
    }
}

TEST(ParserFuzz, MapTextThroughTheTokenReaders) {
    std::mt19937 random(43);
    TTextParser parser(BuildMapTable(), "Map.ptb");
    const std::string face =
        "{ { ( 64 128 -64 ) ( 0 0 0 ) ( 1 2 3 ) tex [ 1 0 0 0.5 ] [ 0 1 0 -2 ] 0 1 1 } } ";
    for (int round = 0; round < 500; ++round) {
        std::string text = round % 3 ? face + face : RandomText(random, 400, kMapAlphabet);
        for (int flips = random() % 5; flips > 0; --flips)
            text[random() % text.size()] = kMapAlphabet[random() % kMapAlphabet.size()];
        TMemoryStream stream(TBytes(text.begin(), text.end()));
        try {
            TTokenReader reader(parser, stream);
            for (int reads = 0; !reader.Token().empty(); ++reads) {
                ASSERT_LE(reads, static_cast<int>(text.size()));
                TVector4 point;
                switch (reads % 3) {
                case 0: reader.ReadPoint(point); break;
                case 1: reader.ReadNumber(); break;
                default: ParseTriple(reader.Token()); reader.SkipTokens(1);
                }
            }
        } catch (const EGameError&) {
        }
    }
}
