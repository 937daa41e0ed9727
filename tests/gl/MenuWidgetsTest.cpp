// The widgets' rules: strict borders, one activation per press, the hover sound once per
// entry, and the key edits' bindings. (Change boxes wrap on the graphics page's test.)
#include "MenuFixture.h"

#include "menu/Button.h"

TEST_F(MenuTest, ButtonsHoverStrictlyInsideAndSoundOncePerEntry) {
    config_.SoundVolume = 255;
    CreateMenu();
    TButton left(BUTTON1_OUT, BUTTON1_IN, "A");
    TButton right(BUTTON1_OUT, BUTTON1_IN, "B");
    left.SetRect({-0.5f, -0.5f, 0, 0.5f});
    right.SetRect({0, -0.5f, 0.5f, 0.5f});
    EXPECT_FALSE(left.MouseOver(-0.5f, 0)) << "the left border";
    EXPECT_FALSE(left.MouseOver(-0.25f, 0.5f)) << "the top border";
    EXPECT_FALSE(left.MouseOver(0, 0)) << "the border the two share";
    EXPECT_FALSE(right.MouseOver(0, 0));
    EXPECT_EQ(SoundsPlaying(), 0);

    if (!loopback_) GTEST_SKIP() << "no loopback device to count sounds";
    EXPECT_TRUE(left.MouseOver(-0.25f, 0));
    EXPECT_TRUE(left.MouseOver(-0.2f, 0.1f));
    EXPECT_EQ(SoundsPlaying(), 1) << "staying on a button plays the hover sound once";
    EXPECT_FALSE(left.MouseOver(0.25f, 0));
    EXPECT_TRUE(right.MouseOver(0.25f, 0));
    EXPECT_EQ(SoundsPlaying(), 2) << "moving onto the neighbour plays it again";
}

TEST_F(MenuTest, HoldingTheButtonDownActivatesOnce) {
    AddProfile("ACE");
    CreateMenu();
    // "Options" on the main page, held for three frames: the page switches once, and the
    // options page, drawn from the next frame under the same pointer, sees no click.
    Frame({1}, 89, 420);
    EXPECT_EQ(CurrentMenuPage, PAGE_OPTIONS);
    CurrentMenuPage = PAGE_MAIN;
    Frame({1}, 89, 420);
    Frame({1}, 89, 420);
    EXPECT_EQ(CurrentMenuPage, PAGE_MAIN) << "the latch is used up until the button is released";
    Frame({}, 89, 420);
    Frame({1}, 89, 420);
    EXPECT_EQ(CurrentMenuPage, PAGE_OPTIONS);
}

TEST_F(MenuTest, KeyEditsBindTheThirdKeyAndIgnoreClicksElsewhere) {
    AddProfile("ACE");
    CreateMenu();
    keys_.Bindings = KeySettingsDefaults();
    CurrentMenuPage = PAGE_CONTROLS;
    Idle();
    const int accelerate = RowY(2), left = RowY(0);
    ASSERT_EQ(keys_.Bindings[KP_FORWARD].First, 38);
    ASSERT_EQ(keys_.Bindings[KP_FORWARD].Second, 87);

    Click(LargeX(210), accelerate);
    Press('K');
    EXPECT_EQ(keys_.Bindings[KP_FORWARD].First, 87) << "the former second key moves up";
    EXPECT_EQ(keys_.Bindings[KP_FORWARD].Second, 'K');

    // Waiting on "Accelerate", the player clicks "Left": that starts "Left" waiting instead
    // and binds the mouse button to neither.
    Click(LargeX(210), accelerate);
    Click(LargeX(210), left);
    EXPECT_EQ(keys_.Bindings[KP_FORWARD].Second, 'K');
    EXPECT_EQ(keys_.Bindings[KP_LEFT].First, 37);
    EXPECT_EQ(keys_.Bindings[KP_LEFT].Second, 65);
    Press('J');
    EXPECT_EQ(keys_.Bindings[KP_LEFT].Second, 'J') << "only Left was waiting";
    EXPECT_EQ(keys_.Bindings[KP_FORWARD].Second, 'K');

    // A left click on the waiting box itself is a key like any other.
    Click(LargeX(210), accelerate);
    Click(LargeX(210), accelerate);
    EXPECT_EQ(keys_.Bindings[KP_FORWARD].Second, 1);

    Click(LargeX(297), BottomRowY()); // "Default"
    EXPECT_EQ(keys_.Bindings[KP_FORWARD].First, 38);
    EXPECT_EQ(keys_.Bindings[KP_FORWARD].Second, 87);
}
