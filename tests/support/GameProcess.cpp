#include "support/GameProcess.h"

#include "settings/Configure.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

TGameInstall::TGameInstall() {
    fs::copy_file(KESTROVA_EXE, dir_.Path() + "kestrova");
    const fs::path archive = fs::path(KESTROVA_BUILD_DIR) / "Data.dpg";
    if (fs::exists(archive)) fs::copy_file(archive, dir_.Path() + "Data.dpg");
    // The files the game reads from disk only, installed beside the archive.
    const fs::path loose = fs::path(KESTROVA_BUILD_DIR) / "Data";
    if (fs::exists(loose)) fs::copy(loose, dir_.Path() + "Data", fs::copy_options::recursive);
}

TGameRun TGameInstall::Run(const std::vector<std::string>& args, int timeoutSeconds) const {
    const std::string exe = dir_.Path() + "kestrova";
    const std::string errFile = dir_.Path() + "stderr.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        // Replays go to the scratch directory, never to the real home.
        setenv("XDG_DATA_HOME", (dir_.Path() + "data").c_str(), 1);
        freopen(errFile.c_str(), "w", stderr);
        freopen("/dev/null", "w", stdout);
        std::vector<char*> argv{const_cast<char*>(exe.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(127);
    }
    TGameRun run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return run;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::ostringstream text;
    text << err.rdbuf();
    run.errors = text.str();
    return run;
}

void WriteStage(const TGameInstall& game, int stage, int block, int finish, int seconds,
                const std::string& player, const std::string& cars) {
    const std::string name = "Short" + std::to_string(stage);
    // The last car type's first section marks the finish.
    const std::string traffic = cars.empty()
                                    ? "CarTypesCount=1\r\n[CarType_0]\r\n"
                                    : "CarTypesCount=2\r\n[CarType_0]\r\n" + cars + "[CarType_1]\r\n";
    game.Files().Write("Data/Maps/Track" + std::to_string(stage) + ".cfg",
                       "[Mission]\r\nBlocks=city\r\nTrackFile=city\\" + name +
                           ".seq\r\nTime=" + std::to_string(seconds) +
                           "\r\n[Player]\r\nMaxSpeed=100\r\nMinSpeed=30\r\n" + player + "[Traffic]\r\n" +
                           traffic + "Section_0_Begin=" + std::to_string(finish) + "\r\n");
    std::string sequence;
    for (int i = 0; i < finish + 10; ++i)
        sequence += std::string(1, static_cast<char>(i == 0 ? 0 : i == 1 ? 1 : block)) + std::string(3, '\0');
    game.Files().Write("Data/Maps/city/" + name + ".seq", sequence);
}

void SaveProfile(const TGameInstall& game, int stage, int score) {
    TConfig config;
    config.PlayerCount = 1;
    config.Players[0].Name = "ACE";
    config.Players[0].Stage = stage;
    config.Players[0].Score = score;
    if (!config.Save(game.Dir() + "Config.cfg")) throw std::runtime_error("cannot save " + game.Dir() + "Config.cfg");
}

std::string ClickAt(int frame, int x, int y) {
    return std::to_string(frame) + " pointer=" + std::to_string(x) + "," + std::to_string(y) + "\n" +
           std::to_string(frame + 1) + " keys=1\n" + std::to_string(frame + 2) + " keys=\n";
}

std::string KeyAt(int frame, int key) {
    return std::to_string(frame) + " keys=" + std::to_string(key) + "\n" + std::to_string(frame + 1) + " keys=\n";
}
