// The `--input` scripts: a bad line is refused by file and line. (What good lines do, every
// whole-program run driven by a script shows.)
#include "app/ScriptedInput.h"
#include "core/Error.h"

#include <gtest/gtest.h>

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
