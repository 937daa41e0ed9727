#include "menu/CheatCode.h"
#include "settings/KeyControl.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

class CheatCodeTest : public ::testing::Test {
protected:
    // One frame in which the keys of `text` are all pressed together.
    int Frame(const std::string& text) {
        uint8_t down[256] = {};
        for (char c : text)
            down[static_cast<uint8_t>(c)] = 0x80;
        keys_.Update(down);
        const int result = cheats_.Check();
        const uint8_t up[256] = {};
        keys_.Update(up);
        return result;
    }
    // Types `text` one key per frame; returns the last frame's result.
    int Type(const std::string& text) {
        int result = -1;
        for (char c : text)
            result = Frame(std::string(1, c));
        return result;
    }

    TTempDir dir_;
    TKeys keys_{dir_.Path() + "keys.cfg"};
    TKeys* saved_ = std::exchange(::Keys, &keys_);
    TCheatCode cheats_;

    ~CheatCodeTest() override { ::Keys = saved_; }
};

} // namespace

TEST_F(CheatCodeTest, CodesMatchAgainAndAgainOnTheLastEightWatchedKeysInTheDetectorsOrder) {
    EXPECT_EQ(Type("PWBJUQ03"), 2);
    EXPECT_EQ(Type("PWBJUQ03"), 2) << "the window was reset, so the code works again";
    EXPECT_EQ(Type("TAXHUDYC"), CHEAT_HEALTH);
    EXPECT_EQ(Type("PWBJUQ16"), -1);

    EXPECT_EQ(Type("123TAXPWBJUQ07"), 6) << "extra characters before the code";
    EXPECT_EQ(Type("PWBJKUQ0K7"), 6) << "K is not watched and breaks nothing";
    EXPECT_TRUE(!::Keys->IsPressed('K')) << "nor is its latch used up";

    // P, W, B, J, U, Q come in that order whatever order they were pressed in.
    EXPECT_EQ(Frame("QUJBWP"), -1);
    EXPECT_EQ(Type("01"), 0);
    // Digits come after the letters: "1" and "C" in one frame give "...C1", not "...1C".
    Type("TAXHUDY");
    EXPECT_EQ(Frame("C1"), -1);
}
