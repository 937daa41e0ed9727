// Whole-program runs through the menu with scripted clicks and keys (the first start is the
// menu pilot's whole-game run): a game pad's binding and a display change applied by a restart,
// a stage code, and the way out through the exit screen and its links. Pointer positions are where the cursor
// stands; the menu tests 30 pixels below it at 800 x 600.
#include "platform/GamePads.h"
#include "settings/Configure.h"
#include "support/GameProcess.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

// A click with a game pad's A, held three frames as a thumb does.
std::string PadClickAt(int frame, int x, int y) {
    return std::to_string(frame) + " pointer=" + std::to_string(x) + "," + std::to_string(y) + "\n" +
           std::to_string(frame + 1) + " keys=" + std::to_string(platform::PAD_A) + "\n" +
           std::to_string(frame + 4) + " keys=\n";
}

// Main page (cursor positions): Options, Exit. Large window: its rows and bottom buttons.
constexpr int MainX = 89, ResumeY = 320, OptionsY = 390, ExitY = 530;
constexpr int RowX = 401;
int RowY(int row) {
    return 179 + 32 * row;
}
constexpr int YesX = 332, YesY = 336;

} // namespace

// A pad's A clicks (without binding itself when it starts a key's wait) and its trigger binds;
// then 1024 x 768 applied restarts the game in that window, which reads the bindings back.
TEST(MenuRun, APadBindsItsTriggerAndChoosingTenTwentyFourRestartsTheGameInThatWindow) {
    TGameInstall game;
    SaveProfile(game);
    std::string script =
        PadClickAt(2, MainX, OptionsY) + PadClickAt(8, RowX, RowY(2)) + PadClickAt(14, RowX, RowY(2));
    script += KeyAt(20, platform::PAD_RT) + KeyAt(24, 27);
    script += ClickAt(28, RowX, RowY(0)) + ClickAt(32, RowX, RowY(0)) + ClickAt(36, 313, 381) +
              ClickAt(40, YesX, YesY);
    game.Files().Write("in.txt", script);
    const std::string args[] = {"--fixed-step=25", "--frames=60", "--input=" + game.Dir() + "in.txt",
                                "--trace=" + game.Dir() + "t.txt"};
    ASSERT_EQ(game.Run({args[0], args[1], args[2], args[3]}).status, 0);
    // The first process ends on the restart page; the new one rewrites the trace as it runs
    // its frames without the script, in the window of the new setting.
    std::string trace;
    for (int i = 0; i < 300; ++i) {
        trace = game.Files().Read("t.txt");
        if (trace.find("frame=60 ") != std::string::npos &&
            trace.find("window=1024x768") != std::string::npos)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_NE(trace.find("frame=60 step=25 scaled=25 divisor=1 menu=1 page=0 quit=1 window=1024x768"),
              std::string::npos)
        << trace;
    TConfig config;
    ASSERT_TRUE(config.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(config.Resolution, 1);
    EXPECT_NE(game.Files().Read("keys.cfg").find("KP_FORWARD=87\r\nKP_FORWARD=143\r\n"), std::string::npos)
        << game.Files().Read("keys.cfg");
}

TEST(MenuRun, ExitGoesThroughTheExitScreenAndItsCloseButton) {
    TGameInstall game;
    SaveProfile(game);
    // The close button shows once the five-second countdown has run out. The world table's
    // link opens the table of the score service this run uses, through a stand-in browser.
    const std::string script = ClickAt(2, MainX, ExitY) + ClickAt(6, YesX, YesY) + ClickAt(30, 400, 476) +
                               ClickAt(100, 267, 384) + ClickAt(220, 400, 476);
    game.Files().Write("in.txt", script);
    game.Files().Write("bin/xdg-open", "#!/bin/sh\necho \"$1\" >> \"" + game.Dir() + "opened.txt\"\n");
    std::filesystem::permissions(game.Dir() + "bin/xdg-open", std::filesystem::perms::owner_all);
    const std::string path = std::getenv("PATH");
    setenv("PATH", (game.Dir() + "bin:" + path).c_str(), 1);
    setenv("KESTROVA_SCORE_SERVICE", "http://127.0.0.1:9/", 1);
    const TGameRun run = game.Run({"--fixed-step=25", "--frames=1000", "--input=" + game.Dir() + "in.txt",
                                   "--trace=" + game.Dir() + "t.txt"});
    setenv("PATH", path.c_str(), 1);
    unsetenv("KESTROVA_SCORE_SERVICE");
    ASSERT_EQ(run.status, 0) << run.errors;
    for (int tries = 0; tries < 100 && !std::filesystem::exists(game.Dir() + "opened.txt"); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(game.Files().Read("opened.txt"), "http://127.0.0.1:9/cgi/version.pl?prg=Kestro&show&type=0\n");
    const std::string trace = game.Files().Read("t.txt");
    EXPECT_NE(trace.find("frame=40 step=25 scaled=25 divisor=1 menu=1 page=12 quit=0"), std::string::npos)
        << "the early click found no button";
    EXPECT_NE(trace.find("frame=221 step=25 scaled=25 divisor=1 menu=1 page=12 quit=1"), std::string::npos);
    EXPECT_EQ(trace.find("frame=222 "), std::string::npos) << "the game ends with that frame";
}

TEST(MenuRun, StageCodeLoadsTheStageAndEscapeLeavesItResumable) {
    TGameInstall game;
    SaveProfile(game);
    std::string script = "1 pointer=400,590\n";
    int frame = 2;
    for (char key : std::string("PWBJUQ03")) {
        script += KeyAt(frame, key);
        frame += 2;
    }
    script += KeyAt(30, ' ') + KeyAt(40, 27) + ClickAt(50, MainX, ResumeY);
    game.Files().Write("in.txt", script);
    ASSERT_EQ(game.Run({"--fixed-step=25", "--frames=60", "--input=" + game.Dir() + "in.txt",
                        "--trace=" + game.Dir() + "t.txt"})
                  .status,
              0);
    const std::string trace = game.Files().Read("t.txt");
    EXPECT_NE(trace.find("frame=16 step=25 scaled=25 divisor=1 menu=1 page=16 "), std::string::npos) << trace;
    EXPECT_NE(trace.find("frame=29 step=25 scaled=25 divisor=1 menu=1 page=16 "), std::string::npos)
        << "the loaded stage waits for a key";
    EXPECT_NE(trace.find("frame=30 step=25 scaled=25 divisor=1 menu=0 "), std::string::npos);
    EXPECT_NE(trace.find("frame=40 step=25 scaled=25 divisor=1 menu=1 page=0 "), std::string::npos);
    EXPECT_NE(trace.find("frame=51 step=25 scaled=25 divisor=1 menu=0 page=0 "), std::string::npos)
        << "Resume goes straight back to the stage";
    TConfig config;
    ASSERT_TRUE(config.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(config.Players[0].Stage, 3);
}
