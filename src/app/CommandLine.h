// The command line: the three switches players use and the options tests and demos use.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TScreenshotRequest {
    uint64_t frame = 0;
    std::string file;
};

struct TCommandLine {
    // Switches, matched as whole arguments in any letter case.
    bool log = false;
    bool fps = false;
    bool fixedFps = false;

    // Options; absent ones change nothing.
    std::optional<uint32_t> fixedStep; // every frame advances exactly this many ms
    std::optional<uint32_t> seed;
    std::optional<uint64_t> frames; // quit after this many frames
    std::string inputFile;
    std::vector<TScreenshotRequest> screenshots;
    std::optional<int> windowWidth;
    std::optional<int> windowHeight;
    std::string traceFile;
    std::optional<int> stage;    // a stage played at once, without the menu
    bool autopilot = false;      // the autopilot plays the stages
    std::optional<bool> shadows; // the shadows setting for this run, not saved
    std::string frameTimesFile;  // one line per frame: microseconds from its start to its swap
    bool audio = true;
    bool vsync = true;        // swaps wait for the display's refresh where the driver offers it
    std::string scoreService; // base address of the world high-score service
    bool help = false;        // print kGameUsage and start nothing
    std::string replayFile;   // a replay played in the stage's place
};

// What --help prints: the README's tables, short.
extern const char kGameUsage[];

// Raises EGameError naming the option when a value cannot be read.
TCommandLine ParseCommandLine(const std::vector<std::string>& args);
