#include "menu/KeyEdit.h"
#include "menu/SoundPage.h"
#include "menu/TextTyping.h"
#include "menu/ViewPage.h"

#include <gtest/gtest.h>

TEST(SettingsValues, BrightnessAndVolumeRoundTrips) {
    EXPECT_FLOAT_EQ(BrightnessOf(9), 9 / 55.0f);
    EXPECT_EQ(BrightnessIndex(BrightnessOf(9)), 9) << "\"90\" shows again after a restart";
    EXPECT_EQ(VolumeOf(5), 128) << "127.5 rounds to even";
    EXPECT_EQ(VolumeIndex(128), 5);
}

TEST(SettingsValues, KeyTextsAndNames) {
    EXPECT_EQ(BoundKeysText(38, 87), "Up or W");
    EXPECT_EQ(BoundKeysText(87, 87), "W") << "equal keys shown once";
    EXPECT_EQ(BoundKeysText(-1, -1), "NONE");
    EXPECT_EQ(TrimmedName("  ACE  "), "ACE");
    EXPECT_EQ(TrimmedName("    "), "") << "a name of spaces is refused";
}
