#include "settings/SymbolTable.h"

#include <gtest/gtest.h>

TEST(SymbolTable, FiveCharactersEncodeAsBase32AndOthersGetLeadingZeroBits) {
    // The world high-score service decodes submissions with a base32 decoder.
    EXPECT_EQ(EncodeSymbols("fooba"), "MZXW6YTB");
    EXPECT_EQ(DecodeSymbols("MZXW6YTB"), "fooba");
    // One byte is 8 bits: two zero bits in front make two 5-bit groups.
    EXPECT_EQ(EncodeSymbols("\xFF"), std::string() + kSymbolTable[7] + kSymbolTable[31]);
    EXPECT_EQ(DecodeSymbols(EncodeSymbols("\xFF")), std::string("\0\xFF", 2))
        << "decoding pads to whole bytes";
}

TEST(SymbolTable, ValuesOfAnyBytesSurviveAndReadingSkipsForeignCharacters) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        if (c != '%') all.push_back(static_cast<char>(c));
    for (size_t length = 1; length <= 12; ++length)
        EXPECT_EQ(DecodeValue(EncodeValue(all.substr(0, length))), all.substr(0, length));
    EXPECT_EQ(DecodeValue(EncodeValue(all)), all);

    // Reading skips foreign characters and cuts at '%'.
    const std::string line = EncodeValue("PLAYER");
    std::string noisy;
    for (char c : line)
        noisy += std::string(" \r") + c;
    EXPECT_EQ(DecodeValue(noisy), "PLAYER");
    EXPECT_EQ(DecodeValue(EncodeValue("50%off")), "50");
    EXPECT_EQ(DecodeValue("!!!"), "");
}
