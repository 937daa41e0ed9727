#include "settings/KeyControl.h"
#include "platform/GamePads.h"
#include "settings/KeyNames.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// A keyboard snapshot with the given keys down.
struct TSnapshot {
    TSnapshot(std::initializer_list<int> down) {
        for (int key : down)
            state[key] = 0x80;
    }
    uint8_t state[256] = {};
};

void ExpectBindings(const TKeys& keys, const TKeyBindings& expected) {
    for (int action = 0; action < KP_COUNT; ++action) {
        EXPECT_EQ(keys.Bindings[action].First, expected[action].First) << ActionFileKey(action);
        EXPECT_EQ(keys.Bindings[action].Second, expected[action].Second) << ActionFileKey(action);
    }
}

} // namespace

TEST(KeyNames, EndsOfTheTableAndCodesOutsideIt) {
    EXPECT_STREQ(KeyName(-1), "NONE");
    EXPECT_STREQ(KeyName(254), "VK_OEM_CLEAR");
    EXPECT_STREQ(KeyName(platform::PAD_R3), "PAD R3");
    for (int code : {-2, 0, 158, 256})
        EXPECT_STREQ(KeyName(code), "UNKNOWN") << code;
}

TEST(KeyLatches, SetOnPressHeldUntilReleaseOrClearAndActionsReadEitherBoundKey) {
    TTempDir dir;
    TKeys keys(dir.Path() + "keys.cfg");
    EXPECT_FALSE(keys.AnyPressed());
    keys.Update(TSnapshot{65}.state);
    EXPECT_TRUE(keys.IsPressed(65));
    EXPECT_TRUE(keys.AnyPressed());
    keys.Update(TSnapshot{65}.state);
    EXPECT_TRUE(keys.IsPressed(65)) << "held keys stay latched";

    keys.ClearPressed(65);
    keys.Update(TSnapshot{65}.state);
    EXPECT_FALSE(keys.IsPressed(65)) << "a cleared latch waits for the next press";
    keys.Update(TSnapshot{}.state);
    keys.Update(TSnapshot{65}.state);
    EXPECT_TRUE(keys.IsPressed(65));
    keys.Update(TSnapshot{}.state);
    EXPECT_FALSE(keys.IsPressed(65)) << "releasing clears";
    EXPECT_FALSE(keys.AnyPressed());

    // Only bit 7 is "down", not a toggle bit as Caps Lock has; codes outside the table never are.
    uint8_t state[256] = {};
    state[20] = 0x01;
    state[255] = 0x81;
    keys.Update(state);
    EXPECT_FALSE(keys.IsPressed(20));
    EXPECT_TRUE(keys.IsPressed(255));
    EXPECT_FALSE(keys.IsPressed(-1));
    EXPECT_FALSE(keys.IsPressed(256));
    keys.ClearPressed(1000);

    keys.Bindings[KP_SHOOT] = {1, 17};
    keys.Bindings[KP_MISSILE] = {NO_KEY, NO_KEY};
    keys.Update(TSnapshot{17}.state);
    EXPECT_TRUE(keys.ActionPressed(KP_SHOOT));
    EXPECT_FALSE(keys.ActionPressed(KP_MISSILE)) << "an unbound action is never pressed";
    keys.Update(TSnapshot{1, 17}.state);
    keys.ClearAction(KP_SHOOT);
    EXPECT_FALSE(keys.IsPressed(1));
    EXPECT_FALSE(keys.IsPressed(17));
    EXPECT_FALSE(keys.ActionPressed(KP_SHOOT));
}

TEST(KeysFile, SaveWritesTwelveLinesAndReloadsWithTheFirstKeyBound) {
    TTempDir dir;
    dir.Write("keys.cfg", "KP_LEFT=65\n");
    TKeys keys(dir.Path() + "keys.cfg");
    ASSERT_TRUE(keys.Save());
    EXPECT_EQ(dir.Read("keys.cfg"), "KP_FORWARD=-1\r\nKP_FORWARD=-1\r\n"
                                    "KP_BACKWARD=-1\r\nKP_BACKWARD=-1\r\n"
                                    "KP_LEFT=65\r\nKP_LEFT=-1\r\n"
                                    "KP_RIGHT=-1\r\nKP_RIGHT=-1\r\n"
                                    "KP_SHOOT=-1\r\nKP_SHOOT=-1\r\n"
                                    "KP_MISSILE=-1\r\nKP_MISSILE=-1\r\n");
    TKeys reloaded(dir.Path() + "keys.cfg");
    ExpectBindings(reloaded, keys.Bindings);

    reloaded.Bindings = KeySettingsDefaults();
    ASSERT_TRUE(reloaded.Save());
    EXPECT_EQ(dir.Read("keys.cfg").substr(0, 30), "KP_FORWARD=38\r\nKP_FORWARD=87\r\n");
    ExpectBindings(TKeys(dir.Path() + "keys.cfg"), KeySettingsDefaults());

    // An unbound first key: the second moves up on reload.
    keys.Bindings = TKeyBindings();
    keys.Bindings[KP_RIGHT] = {NO_KEY, 68};
    ASSERT_TRUE(keys.Save());
    TKeyBindings expected;
    expected[KP_RIGHT] = {68, NO_KEY};
    ExpectBindings(TKeys(dir.Path() + "keys.cfg"), expected);
}

TEST(KeysFile, MissingUnusableOrMalformedFilesGiveTheDefaults) {
    TTempDir dir;
    ExpectBindings(TKeys(dir.Path() + "keys.cfg"), KeySettingsDefaults());
    for (const char* text : {
             "KP_LEFT=65\r\nKP_RIGHT=abc\r\n", // not a number
             "KP_LEFT=65\r\nKP_RIGHT=\r\n",    // empty
             "KP_LEFT=256\r\n",                // beyond the key codes
             "KP_LEFT=6 5\r\n",
             "",                            // binds nothing
             "garbage\x01\xff\r\nmore=1\n", // no binding line
         }) {
        dir.Write("keys.cfg", text);
        TKeys keys(dir.Path() + "keys.cfg");
        ExpectBindings(keys, KeySettingsDefaults());
    }
}
