// The pages' rules: the first page, Resume and New Game, help wrapping, profiles, the graphics
// page's values, a malformed exit screen, the tally and the lose page. (The exit screen's
// countdown is the whole-program menu run's.)
#include "MenuFixture.h"

#include "menu/PageTable.h"

namespace {

constexpr int ButtonX = 89; // the main page's column
constexpr int ResumeY = 350, NewGameY = 385, HelpY = 490;

} // namespace

// (A name of spaces: SettingsValues.)
TEST_F(MenuTest, FirstPageAsksForANameUntilOneIsGivenAndOnlyAResolutionChangeEmptiesTheBox) {
    CreateMenu();
    EXPECT_EQ(CurrentMenuPage, PAGE_CREATE_PLAYER);
    Idle();
    Press(27);
    EXPECT_EQ(CurrentMenuPage, PAGE_CREATE_PLAYER) << "no way back without a profile";
    CurrentMenuPage = PAGE_EXIT; // the window's close button
    Idle();
    Press(27);
    EXPECT_EQ(CurrentMenuPage, PAGE_CREATE_PLAYER) << "nor round it through the exit page";
    for (int key : {' ', 'A', '1'})
        Press(key);
    menu_->Draw(25, {0, 0, 640, 480, 2.0f / 640, 2.0f / 480, 320, 470}); // the window resized
    Press(' ');
    Press(13);
    ASSERT_EQ(config_.PlayerCount, 1);
    EXPECT_EQ(config_.Players[0].Name, "A1");
    EXPECT_EQ(config_.Players[0].Stage, 0);
    EXPECT_EQ(CurrentMenuPage, PAGE_MAIN);

    CurrentMenuPage = PAGE_CREATE_PLAYER;
    Press('C');
    config_.Resolution = 1;
    Press(13);
    EXPECT_EQ(config_.PlayerCount, 1) << "the new resolution's layout emptied the box";
}

// (A game in progress resumes without loading: the whole-program run of a stage code. The story,
// the load page and the first stage after New Game: the menu pilot's whole-game run.)
TEST_F(MenuTest, ResumeOnlyForStagesTwoToFifteenAndNewGameResetsTheProfile) {
    for (int stage : {1, 2, 15, 16}) {
        config_ = TConfig();
        AddProfile("ACE", stage);
        stage_.loaded.clear();
        CreateMenu();
        Idle();
        Click(ButtonX, ResumeY);
        const bool offered = stage >= 2 && stage <= 15;
        EXPECT_EQ(CurrentMenuPage, offered ? PAGE_LOAD : PAGE_MAIN) << "stage " << stage;
        if (offered) {
            Idle();
            ASSERT_EQ(stage_.loaded.size(), 1u);
            EXPECT_NE(stage_.loaded[0].find("Data\\Maps\\Track" + std::to_string(stage) + ".cfg"),
                      std::string::npos);
        }
    }
    // The profile on stage 16 with its score and ammunition starts again.
    config_.Players[0].Score = 500;
    config_.Players[0].Rockets = 3;
    Click(ButtonX, NewGameY);
    EXPECT_EQ(CurrentMenuPage, PAGE_STORY);
    EXPECT_EQ(config_.Players[0].Stage, 1);
    EXPECT_EQ(config_.Players[0].Score, 0);
    EXPECT_EQ(config_.Players[0].Rockets, 0);
}

TEST_F(MenuTest, HelpWrapsBothWaysAndStartsAtTheFirstPicture) {
    AddProfile("ACE");
    CreateMenu();
    Idle();
    auto& help = PageOf<PAGE_HELP>(*menu_);
    Click(ButtonX, HelpY);
    ASSERT_EQ(CurrentMenuPage, PAGE_HELP);
    Click(LargeX(81), BottomRowY()); // Previous
    EXPECT_EQ(help.Current(), 7);
    Click(LargeX(335), BottomRowY()); // Next
    EXPECT_EQ(help.Current(), 0);
    Click(LargeX(335), BottomRowY());
    Press(27);
    EXPECT_EQ(CurrentMenuPage, PAGE_MAIN);
    Click(ButtonX, HelpY);
    EXPECT_EQ(help.Current(), 0);
}

TEST_F(MenuTest, PlayersPageSelectsOffersCreateBelowSixAndDeletingShiftsTheLaterOnesDown) {
    for (const char* name : {"A", "B", "C", "D", "E", "F"})
        AddProfile(name);
    CreateMenu();
    CurrentMenuPage = PAGE_PLAYERS;
    Idle();
    Click(LargeX(81), BottomRowY());
    EXPECT_EQ(CurrentMenuPage, PAGE_PLAYERS) << "no Create with six profiles";
    Click(LargeX(210), RowY(1));
    EXPECT_EQ(config_.CurrentPlayer, 1);
    Click(LargeX(335), BottomRowY()); // Delete
    ASSERT_EQ(CurrentMenuPage, PAGE_DELETE_PLAYER);
    Click(YesX(), ConfirmButtonsY());
    EXPECT_EQ(CurrentMenuPage, PAGE_PLAYERS);
    EXPECT_EQ(config_.PlayerCount, 5);
    EXPECT_EQ(config_.Players[1].Name, "C");
    EXPECT_EQ(config_.Players[4].Name, "F");
    EXPECT_EQ(config_.CurrentPlayer, 1);

    const auto deleteCurrent = [&] {
        Click(LargeX(335), BottomRowY());
        Click(YesX(), ConfirmButtonsY());
    };
    Click(LargeX(210), RowY(4));
    deleteCurrent();
    EXPECT_EQ(config_.CurrentPlayer, 3) << "the last profile deleted: the one before it is current";
    for (int left = 4; left > 0; --left)
        deleteCurrent();
    EXPECT_EQ(config_.PlayerCount, 0);
    EXPECT_EQ(config_.CurrentPlayer, -1);
    Press(27);
    EXPECT_EQ(CurrentMenuPage, PAGE_PLAYERS) << "Escape does nothing without a profile";
    Click(LargeX(81), BottomRowY()); // Create, the only button left
    EXPECT_EQ(CurrentMenuPage, PAGE_CREATE_PLAYER);
}

TEST_F(MenuTest, GraphicsPageWritesItsValuesAndFollowsTheWindowsSize) {
    AddProfile("ACE");
    CreateMenu();
    CurrentMenuPage = PAGE_VIEW;
    Idle();
    for (int click = 0; click < 9; ++click)
        Click(LargeX(210), RowY(4));
    EXPECT_FLOAT_EQ(config_.Brightness, 9 / 55.0f) << "\"90\"";
    Click(LargeX(210), RowY(5));
    EXPECT_TRUE(config_.Shadows);
    // The render scale's box, below the window: a right click from "1" wraps round to "Auto".
    Frame({2}, LargeX(210), LargeY(337));
    Idle();
    EXPECT_TRUE(additions_.RenderScale.automatic);
    Click(LargeX(210), LargeY(337));
    EXPECT_EQ(additions_.RenderScale, (TRenderScaleSetting{false, 1})) << "on to \"1\"";
    Click(LargeX(210), RowY(0));
    EXPECT_EQ(config_.PendingResolution, 1) << "1024x768";
    EXPECT_EQ(config_.Resolution, 0) << "only after the restart";
    Press(27);
    EXPECT_EQ(CurrentMenuPage, PAGE_OPTIONS) << "Escape does not ask to restart";

    // Once the window changes its size, the Resolution box shows the size it has: a listed size
    // is that setting (which Apply then keeps), any other size leaves the setting as it is.
    CurrentMenuPage = PAGE_VIEW;
    const auto frameAt = [&](int width, int height) {
        menu_->Draw(25, {0, 0, width, height, 2.0f / width, 2.0f / height, 0, 0});
    };
    frameAt(1024, 768);
    EXPECT_EQ(config_.PendingResolution, 1);
    frameAt(1000, 700);
    EXPECT_EQ(config_.PendingResolution, 0) << "no setting gives that size";
    frameAt(1280, 1024);
    EXPECT_EQ(config_.PendingResolution, 2) << "Apply would start the game again this size";
    frameAt(800, 600);
    EXPECT_EQ(config_.PendingResolution, 0);
    EXPECT_EQ(config_.Resolution, 0);
}

TEST_F(MenuTest, MalformedExitScreenClosesTheGameAtOnce) {
    AddProfile("ACE");
    Put("wdata/config.ini", "2\nwdata\\Background.jpg\nnot a link\n");
    CreateMenu();
    CurrentMenuPage = PAGE_LAST_SCREEN;
    Idle();
    EXPECT_TRUE(QuitFlag);
}

TEST_F(MenuTest, StageCompleteTalliesAndGivesTheSpecialRewardOnlyForARealMissionLoseRestarts) {
    AddProfile("ACE", 3); // the player's update has already moved the profile on
    config_.Players[0].Score = 100;
    config_.Players[0].Shotgun = 9;
    CreateMenu();
    for (bool enabled : {false, true}) {
        SpecMission = TSpecMission();
        SpecMission.Enabled = enabled;
        SpecMission.Uzi = 50;
        SpecMission.Score = 7;
        MissionValues.Reward = 6000;
        stage_.timeLeft = 30000;
        stage_.score = 1000;
        CurrentMenuPage = PAGE_STAGE_COMPLETE;
        Idle();
        Click(LargeX(208), BottomRowY());
        EXPECT_EQ(CurrentMenuPage, PAGE_STAGE_COMPLETE) << "Next waits for the tally";
        for (int press = 0; press < 9; ++press)
            Press(27);
        Click(LargeX(208), BottomRowY());
        ASSERT_EQ(CurrentMenuPage, PAGE_LOAD);
        const TGamePlayer& profile = config_.Players[0];
        if (!enabled) {
            EXPECT_EQ(profile.Score, 100 + 1000 + 6000 + 3000) << "no special mission, no reward";
            EXPECT_EQ(profile.Shotgun, 9);
        } else {
            EXPECT_EQ(profile.Score, 10100 + 1000 + 6000 + 3000 + 7);
            EXPECT_EQ(profile.Uzi, 50);
            EXPECT_EQ(profile.Shotgun, 0) << "one kind of bullets at a time";
        }
    }

    // A lost stage's Restart loads the profile's stage again and adds nothing. (Leaving through
    // Exit files the score: the whole-program end of a game.)
    const int32_t score = config_.Players[0].Score;
    stage_.loaded.clear();
    CurrentMenuPage = PAGE_LOSE;
    Idle();
    Click(YesX(), ConfirmButtonsY());
    EXPECT_EQ(CurrentMenuPage, PAGE_LOAD);
    Idle();
    ASSERT_EQ(stage_.loaded.size(), 1u);
    EXPECT_NE(stage_.loaded[0].find("Track3.cfg"), std::string::npos);
    EXPECT_EQ(config_.Players[0].Score, score);
}

TEST_F(MenuTest, HighScoreTableIsClearedOnlyOnYesARefusedScoreOffersNoRetry) {
    AddProfile("ACE");
    config_.HighScores[0] = {"ACE", "900"};
    CreateMenu();
    CurrentMenuPage = PAGE_HIGH_SCORES;
    Idle();
    for (const int answer : {BackX(), 27, YesX()}) {
        Click(LargeX(81), BottomRowY()); // Clear High Score
        ASSERT_EQ(CurrentMenuPage, PAGE_CLEAR_HIGH_SCORES);
        if (answer == 27) {
            Press(27);
        } else {
            Click(answer, ConfirmButtonsY());
        }
        EXPECT_EQ(CurrentMenuPage, PAGE_HIGH_SCORES);
        EXPECT_EQ(config_.HighScores[0].Name, answer == YesX() ? "Anonymous" : "ACE");
    }
    Click(LargeX(208), BottomRowY());
    EXPECT_EQ(CurrentMenuPage, PAGE_MAIN);

    // A refused score says why and offers no retry.
    CurrentMenuPage = PAGE_CONNECTION_FAILED;
    auto& failed = PageOf<PAGE_CONNECTION_FAILED>(*menu_);
    Idle();
    const uint32_t retry = gl_.Pixel(YesX(), 600 - ConfirmButtonsY());
    failed.Show("bad name");
    Idle();
    EXPECT_NE(gl_.Pixel(YesX(), 600 - ConfirmButtonsY()), retry) << "no Yes button";
    Click(BackX(), ConfirmButtonsY());
    EXPECT_EQ(CurrentMenuPage, PAGE_MAIN);
}
