// The private-profile rules of the INI reader (opening loose and archived files, and enumeration
// names: the loaders' and the mission data tests).
#include "world/IniFile.h"

#include <gtest/gtest.h>

namespace {

TIniFile Ini(const std::string& text) {
    return TIniFile(TBytes(text.begin(), text.end()));
}

} // namespace

TEST(IniFile, NamesMatchWithoutCaseAndTheFirstMatchWins) {
    const TIniFile ini = Ini("[Weapon_0]\r\nDamage=5\r\ndamage=6\r\n[WEAPON_0]\r\nShootDelay=7\r\n"
                             "[weapon_1]\nDAMAGE = 8 \n");
    EXPECT_EQ(ini.ReadInteger("weapon_0", "DAMAGE", 0), 5);
    EXPECT_EQ(ini.ReadInteger("WEAPON_1", "Damage", 0), 8);
    // A repeated section is not looked at.
    EXPECT_EQ(ini.ReadInteger("Weapon_0", "ShootDelay", 1000), 1000);
    EXPECT_FALSE(ini.ValueExists("Weapon_0", "ShootDelay"));
    EXPECT_TRUE(ini.ValueExists("weapon_1", "damage"));
}

TEST(IniFile, DefaultsForMissingKeysAndValuesThatDoNotConvert) {
    const TIniFile ini =
        Ini("Orphan=1\n[Main]\nEmpty=\nText = some words \nQuoted=\"  x \"\nBad=12abc\n"
            "Hex=0x1F\nNegHex=-0x10\nAllBits=0xFFFFFFFF\nTooLong=0x100000000\nBig=2147483648\n"
            "Real=0.25\nComma=1,5\nNoEquals\n;Comment=3\n[Unclosed\nKey=9");
    EXPECT_EQ(ini.ReadString("Main", "Missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("Main", "Empty", "def"), "");
    EXPECT_EQ(ini.ReadString("Main", "Text", ""), "some words");
    EXPECT_EQ(ini.ReadString("Main", "Quoted", ""), "  x ");
    EXPECT_EQ(ini.ReadInteger("Main", "Bad", 4), 4);
    EXPECT_EQ(ini.ReadInteger("Main", "NegHex", 0), -16);
    EXPECT_EQ(ini.ReadInteger("Main", "AllBits", 0), -1);
    EXPECT_EQ(ini.ReadInteger("Main", "TooLong", 4), 4);
    EXPECT_EQ(ini.ReadFloat("Main", "Comma", 0), 1.5f);
    EXPECT_EQ(ini.ReadFloat("Main", "Text", 7.5f), 7.5f);
    EXPECT_FALSE(ini.ValueExists("Main", "NoEquals"));
    EXPECT_FALSE(ini.ValueExists("Main", ";Comment"));
    // Keys before the first section belong to none.
    EXPECT_FALSE(ini.ValueExists("", "Orphan"));
    EXPECT_EQ(ini.ReadInteger("Unclosed", "Key", 0), 9);
}
