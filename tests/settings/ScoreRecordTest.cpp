#include "settings/ScoreRecord.h"
#include "settings/SymbolTable.h"

#include <gtest/gtest.h>

TEST(ScoreRecord, ExampleRecordIsFortyFourCharactersFilledToFortyFive) {
    const TScoreRecord record{"AB", 1234, "T", "X"};
    const std::string text = ScoreRecordText(record);
    EXPECT_EQ(text, "type=0|name=AB|score=1234|key=X|p=T|add=X|z=0");
    EXPECT_EQ(text.size(), 45u);
    const std::string symbols = EncodeScoreRecord(record);
    EXPECT_EQ(symbols.size(), 72u);
    EXPECT_EQ(symbols.find_first_not_of(kSymbolTable), std::string::npos);
    EXPECT_EQ(DecodeSymbols(symbols), text);
}

TEST(ScoreRecord, EveryCountryTheCountryPageCanTypeSurvives) {
    // The country page types digits, spaces and capitals, and trims the ends.
    std::string typeable = "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (size_t length = 0; length <= typeable.size(); ++length) {
        const TScoreRecord sent{"PLAYER ONE", 987654, "0f1e2d3c4b5a69788796a5b4c3d2e1f0",
                                typeable.substr(0, length)};
        const std::optional<TScoreRecord> read = DecodeScoreRecord(EncodeScoreRecord(sent));
        ASSERT_TRUE(read) << length;
        EXPECT_EQ(read->country, sent.country);
        EXPECT_EQ(read->name, sent.name);
        EXPECT_EQ(read->score, sent.score);
        EXPECT_EQ(read->token, sent.token);
    }
}

TEST(ScoreRecord, RefusesBadSymbolsLengthsAndFields) {
    const std::string good = EncodeScoreRecord({"AB", 1234, "T", "X"});
    for (const std::string& bad : {std::string(), good.substr(0, 64), good + "AAAAAAAA", good.substr(1) + "A",
                                   good.substr(0, 71) + "a", good.substr(0, 71) + "=",
                                   good.substr(0, 71) + "1", good.substr(0, 70) + " A", std::string(72, 'A')})
        EXPECT_FALSE(DecodeScoreRecord(bad)) << bad;

    for (const char* text : {
             "type=0|name=AB|score=1234|key=X|p=T|add=X|z=0",      // the good one, as a reference
             "type=1|name=AB|score=1234|key=X|p=T|add=X|z=0",      // another type
             "type=0|name=AB|score=12a4|key=X|p=T|add=X|z=0",      // not a number
             "type=0|name=AB|score=|key=X|p=T|add=X|z=00000",      // no number
             "type=0|name=AB|score=1234|key=Y|p=T|add=X|z=0",      // another key
             "type=0|name=AB|score=1234|key=X|add=X|z=0000000",    // no token
             "type=0|name=AB|score=1234|key=X|p=T|z=00000",        // no country
             "type=0|name=AB|score=1234|key=X|p=T|add=X|z=1",      // filling not "0"
             "type=0|name=AB|score=1234|key=X|p=T|add=X|0000",     // no end
             "type=0|name=AB|score=1234|key=X|p=T|add=X|z=0|",     // something after the filling
             "type=0|name=AB|score=1234|key=X|p=T|add=X|z=000000", // too much filling
             "type=0|name=AB|score=1234567890123456789|key=X|p=T|add=X|z=00000", // out of any range
         }) {
        const bool reference = std::string(text) == "type=0|name=AB|score=1234|key=X|p=T|add=X|z=0";
        EXPECT_EQ(ParseScoreRecordText(text).has_value(), reference) << text;
    }
}
