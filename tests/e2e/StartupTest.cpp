// Whole-program runs of the real executable under the test display.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/Shell.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <thread>

namespace {

// What a shell command prints.
std::string Output(const std::string& command) {
    std::string text;
    Shell(command, text);
    return text;
}

// The _NET_WM_ICON property of the top-level window that process `pid` made, as xprop shows it.
std::string WindowIconOf(const std::string& pid) {
    std::istringstream windows(Output("xwininfo -root -children"));
    for (std::string word; windows >> word;) {
        if (word.rfind("0x", 0) != 0) continue;
        if (Output("xprop -id " + word + " _NET_WM_PID 2>/dev/null").find("= " + pid + "\n") != std::string::npos)
            return Output("xprop -len 1000000 -id " + word + " _NET_WM_ICON");
    }
    return "";
}

} // namespace

// (Without the switch there is no log, and the settings files are written at exit: the fixed-step run.)
TEST(Startup, LogHoldsTheStartupLinesWithTheSwitchAndTheSettingsAreReadBack) {
    TGameInstall game;
    TConfig config;
    config.MusicVolume = 77;
    config.Brightness = 0.25f;
    ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
    game.Files().Write("keys.cfg", "KP_SHOOT=32\r\nKP_SHOOT=13\r\n");
    ASSERT_EQ(game.Run({"-log", "--frames=2"}).status, 0);
    TConfig back;
    ASSERT_TRUE(back.Load(game.Dir() + "Config.cfg"));
    EXPECT_EQ(back.MusicVolume, 77);
    EXPECT_FLOAT_EQ(back.Brightness, 0.25f);
    EXPECT_NE(game.Files().Read("keys.cfg").find("KP_SHOOT=32\r\nKP_SHOOT=13\r\n"), std::string::npos);

    const std::string log = game.Files().Read("log.txt");
    // The first lines, and the last before the first frame ("Запуск игры").
    const std::string head = "Loading Config\r\nCreating Window\r\nInit GL Ext\r\nInit IL\r\n"
                             "Loading Archive\r\nLoading Controls\r\n";
    const std::string tail = "\xC7\xE0\xEF\xF3\xF1\xEA\x20\xE8\xE3\xF0\xFB\r\n";
    ASSERT_GT(log.size(), head.size() + tail.size());
    EXPECT_EQ(log.substr(0, head.size()), head);
    EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
}

TEST(Startup, HelpPrintsTheUsageAndStartsNothing) {
    std::string usage;
    EXPECT_EQ(Shell(std::string(KESTROVA_EXE) + " --frames=1 --help", usage), 0);
    EXPECT_EQ(usage.rfind("usage: kestrova", 0), 0u) << usage;
    EXPECT_NE(usage.find("--score-service=URL"), std::string::npos) << usage;
}

// A scripted run at a fixed step: the step is clamped, a held Return pauses the frames after it,
// and pointer motion never holds up the close request, which shows the exit page. (That a
// fixed-step run repeats frame for frame is the replays' proof.)
TEST(Startup, FixedStepRunPausesOnReturnAndMotionNeverHoldsUpTheCloseRequest) {
    TGameInstall game;
    // Eight seconds of a 250 Hz mouse, queued ahead of the close button, once the window's own
    // start-up messages have gone.
    game.Files().Write("in.txt", "4 keys=13\n6 keys=\n40 motion=2000 close\n");
    ASSERT_EQ(game.Run({"--fixed-step=30", "--frames=60", "--input=" + game.Dir() + "in.txt",
                        "--trace=" + game.Dir() + "t.txt"})
                  .status,
              0);
    const std::string trace = game.Files().Read("t.txt");
    // 30 ms is clamped to 25. Return goes down in frame 4's snapshot, so the steps of
    // frames 5 and 6 are 0; its release in frame 6's snapshot frees frame 7.
    EXPECT_NE(trace.find("frame=4 step=25 "), std::string::npos) << trace;
    EXPECT_NE(trace.find("frame=5 step=0 "), std::string::npos) << trace;
    EXPECT_NE(trace.find("frame=6 step=0 "), std::string::npos) << trace;
    EXPECT_NE(trace.find("frame=7 step=25 "), std::string::npos) << trace;
    const size_t frame41 = trace.find("frame=41 ");
    ASSERT_NE(frame41, std::string::npos) << trace;
    EXPECT_NE(trace.substr(frame41, trace.find('\n', frame41) - frame41).find("page=1 quit=0"), std::string::npos)
        << trace;
    EXPECT_NE(trace.find("frame=60 "), std::string::npos) << "the window stays open";
    EXPECT_FALSE(std::filesystem::exists(game.Dir() + "log.txt"));
    EXPECT_TRUE(std::filesystem::exists(game.Dir() + "Config.cfg"));
    EXPECT_TRUE(std::filesystem::exists(game.Dir() + "keys.cfg"));
}

TEST(Startup, DamagedFilesNeverCrashTheGame) {
    TGameInstall game;
    std::mt19937 random(5);
    std::string noise(3000, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    game.Files().Write("Config.cfg", noise);
    game.Files().Write("keys.cfg", "KP_SHOOT=gun\r\n" + noise);
    game.Files().Write("Additions.cfg", noise);
    const TGameRun settings = game.Run({"--frames=2"});
    EXPECT_TRUE(settings.exited);
    EXPECT_EQ(settings.status, 0) << settings.errors;
    EXPECT_EQ(game.Files().Read("Additions.cfg"), "RenderScale=1\r\nAutoScale=1\r\n") << "the defaults, saved";

    // An archive whose directory claims far more entries than the file holds.
    game.Files().Write("Data.dpg", std::string("\0\xFF\xFF\xFF\x7F", 5) + noise);
    const TGameRun archive = game.Run({"--frames=2"});
    EXPECT_TRUE(archive.exited) << "no crash";
    EXPECT_NE(archive.status, 0);
    EXPECT_NE(archive.errors.find("Error: "), std::string::npos) << archive.errors;

    const TGameRun script = game.Run({"--frames=2", "--input=" + game.Dir() + "missing.txt"});
    EXPECT_EQ(script.status, 1);
    EXPECT_NE(script.errors.find("Error: File not found " + game.Dir() + "missing.txt"), std::string::npos);
}

TEST(Startup, RunsWithoutAnAudioDeviceInAWindowCarryingItsIconInBothSizes) {
    TGameInstall game;
    // Let the game look for a real device: there is none here, and it must carry on silently.
    unsetenv("KESTROVA_AUDIO");
    TGameRun run;
    std::thread running([&] { run = game.Run({"-FIXEDFPS", "--frames=120", "--trace=" + game.Dir() + "t.txt"}); });
    std::string icon;
    for (int i = 0; i < 100 && icon.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        // The icon is set at the second frame.
        const std::string trace = game.Files().Read("t.txt");
        if (trace.find("frame=2 ") != std::string::npos)
            icon = WindowIconOf(trace.substr(4, trace.find('\n') - 4));
    }
    running.join();
    setenv("KESTROVA_AUDIO", "none", 1);
    EXPECT_NE(icon.find("Icon (32 x 32)"), std::string::npos) << icon.substr(0, 300);
    EXPECT_NE(icon.find("Icon (256 x 256)"), std::string::npos) << icon.substr(0, 300);
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors.find("Error"), std::string::npos) << run.errors;
    EXPECT_NE(game.Files().Read("t.txt").find("frame=120 step=25 "), std::string::npos);
}
