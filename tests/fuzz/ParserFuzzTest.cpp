// Damaged tables and random text through the tokenizer: the only outcomes are tokens or the
// game's error, and every loop ends (damaged map text through the token readers: MapFuzz).
#include "core/Error.h"
#include "fuzz/Damage.h"
#include "support/RandomText.h"
#include "world/MapTable.h"
#include "world/Parser.h"

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
    FuzzReader(std::string(valid.begin(), valid.end()), 300, [&](const std::string& bytes) {
        try {
            TTextParser parser(TBytes(bytes.begin(), bytes.end()), "fuzz");
            Drain(parser, RandomText(random, 200, kMapAlphabet));
        } catch (const EGameError&) {
        }
    });
}
