#include "app/ScriptedInput.h"
#include "core/Error.h"

#include <gtest/gtest.h>

TEST(ScriptedInput, HeldStateLastsUntilChangedAndEventsFireOnce) {
    const TScriptedInput script = TScriptedInput::Parse("# start\n"
                                                        "2 keys=13,1 pointer=10,20\n"
                                                        "5 keys= close motion=300 step=9\n"
                                                        "7 quit restart resize=1600x900 # done\n",
                                                        "in.txt");
    uint8_t keys[256];
    platform::TPoint pointer{1, 1};
    script.Apply(1, keys, pointer);
    EXPECT_EQ(keys[13], 0);
    EXPECT_EQ(pointer.x, 1);

    script.Apply(4, keys, pointer);
    EXPECT_EQ(keys[13], 0x80);
    EXPECT_EQ(keys[1], 0x80);
    EXPECT_EQ(pointer.x, 10);
    EXPECT_EQ(pointer.y, 20);

    script.Apply(5, keys, pointer);
    EXPECT_EQ(keys[13], 0);
    EXPECT_EQ(pointer.y, 20) << "the pointer stays where it was put";

    ASSERT_NE(script.EventsAt(5), nullptr);
    EXPECT_TRUE(script.EventsAt(5)->close);
    EXPECT_EQ(script.EventsAt(5)->motion, 300);
    EXPECT_TRUE(script.EventsAt(7)->quit && script.EventsAt(7)->restart);
    ASSERT_TRUE(script.EventsAt(7)->resize);
    EXPECT_EQ(script.EventsAt(7)->resize->x, 1600);
    EXPECT_EQ(script.EventsAt(7)->resize->y, 900);
    EXPECT_FALSE(script.EventsAt(5)->resize);
    EXPECT_EQ(script.EventsAt(6), nullptr);
    EXPECT_FALSE(script.StepAt(4)) << "measured until a step is given";
    EXPECT_EQ(script.StepAt(8), 9u) << "the step holds on";
}

TEST(ScriptedInput, BadLinesNameFileAndLine) {
    try {
        TScriptedInput::Parse("1 keys=13\n2 keys=300\n", "in.txt");
        FAIL();
    } catch (const EGameError& e) {
        EXPECT_STREQ(e.what(), "Bad input item in in.txt line 2: keys=300");
    }
    for (const char* bad :
         {"0 close", "x close", "3 jump", "3 pointer=1", "3 keys=a", "3 motion=-1", "3 motion=70000",
          "3 resize=800", "3 resize=0x600", "3 resize=800x", "3 resize=20000x600"})
        EXPECT_THROW(TScriptedInput::Parse(bad, "in.txt"), EGameError) << bad;
}
