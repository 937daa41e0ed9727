// Whole-program runs of the real executable under the test display.
#include "settings/Configure.h"
#include "support/GameProcess.h"
#include "support/PngFile.h"
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

TEST(Startup, ScreenshotRunEndsByItselfWithTheBrightnessOverlay) {
    TGameInstall game;
    uint32_t centre[2] = {};
    for (int half : {0, 1}) {
        TConfig config;
        config.Brightness = half * 0.5f;
        ASSERT_TRUE(config.Save(game.Dir() + "Config.cfg"));
        const TGameRun run = game.Run({"--frames=5", "--screenshot=3:" + game.Dir() + "shot.png"});
        ASSERT_TRUE(run.exited) << run.errors;
        EXPECT_EQ(run.status, 0) << run.errors;
        TPngImage shot;
        ASSERT_TRUE(ReadPng(game.Dir() + "shot.png", shot));
        EXPECT_EQ(shot.width, 800);
        EXPECT_EQ(shot.height, 600);
        centre[half] = shot.At(400, 300);
    }
    // Half-transparent white over the same menu frame.
    for (int shift : {24, 16, 8}) {
        const int plain = (centre[0] >> shift) & 0xFF, lit = (centre[1] >> shift) & 0xFF;
        EXPECT_NEAR(lit, (plain + 255) / 2, 2) << "channel at bit " << shift;
    }
}

TEST(Startup, LogHoldsTheStartupLinesOnlyWithTheSwitchAndSettingsAreWrittenAtExitAndReadBack) {
    TGameInstall game;
    ASSERT_EQ(game.Run({"--frames=2"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(game.Dir() + "log.txt"));
    ASSERT_TRUE(std::filesystem::exists(game.Dir() + "Config.cfg"));
    ASSERT_TRUE(std::filesystem::exists(game.Dir() + "keys.cfg"));

    ASSERT_EQ(game.Run({"-LOGX", "--frames=2"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(game.Dir() + "log.txt")) << "a switch matches only whole";

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
    // The game environment's lines come after the key table's, and the global tables'
    // own lines after them.
    const std::string head =
        "Loading Config\r\n"
        "Creating Window\r\n"
        "Init GL Ext\r\n"
        "Init IL\r\n"
        "Loading Archive\r\n"
        "Loading Controls\r\n"
        "\xD1\xEE\xE7\xE4\xE0\xE5\xF2\xF1\xFF\x20\xE2\xF1\xFF\xEA\xE0\xFF\x20\xF5\xF0\xE5\xED\xFC\r\n"
        "\xD3\xF1\xF2\xE0\xED\xE0\xE2\xEB\xE8\xE2\xE0\xFE\xF2\xF1\xFF\x20\xEE\xF1\xED\xEE\xE2\xED\xFB\xE5"
        "\x20\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xFB\x20\xE8\xE3\xF0\xFB\r\n"
        "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xE7\xE2\xF3\xEA\xE8\r\n"
        "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xFD\xF4\xF4\xE5\xEA\xF2\xFB\r\n"
        "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xF2\xE5\xEA\xF1\xF2\xF3\xF0\xFB\r\n"
        "-1\r\n-2\r\n-3\r\n-4\r\n-5\r\n-6\r\n"
        "\xD1\xEE\xE7\xE4\xE0\xFE\xF2\xF1\xFF\x20\xFD\xEB\xE5\xEC\xE5\xED\xF2\xFB\x20\xF3\xEF\xF0\xE0"
        "\xE2\xEB\xE5\xED\xE8\xFF\r\n"
        "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xE3\xEB\xEE\xE1\xE0\xEB\xFC\xED\xFB\xE5\x20"
        "\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0\xFB\r\n"
        "-\xC7\xE0\xE3\xF0\xF3\xE7\xEA\xE0\x20\xF4\xE0\xE9\xEB\xE0\x20Global.cfg\r\n";
    const std::string tail = "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xEC\xE5\xED\xFE\r\n"
                             "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xE5\xF2\xF1\xFF\x20\xEC\xF3\xE7\xFB\xEA\xE0\r\n"
                             "\xC7\xE0\xE3\xF0\xF3\xE6\xE0\xFE\xF2\xF1\xFF\x20\xF8\xE5\xE9\xE4\xE5"
                             "\xF0\xEE\xE2\r\n"
                             "\xC7\xE0\xEF\xF3\xF1\xEA\x20\xE8\xE3\xF0\xFB\r\n";
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
    EXPECT_EQ(game.Files().Read("Additions.cfg"), "RenderScale=1\r\n") << "the defaults, saved";

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
        // Frames run once start-up, and with it the icon, is done.
        const std::string trace = game.Files().Read("t.txt");
        if (trace.find("frame=1 ") != std::string::npos)
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
