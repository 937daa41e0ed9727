// Reading the command line: the player switches and the harness options.
#include "app/CommandLine.h"

#include "core/Error.h"
#include "core/NumberText.h"
#include "core/TextCase.h"

const char kGameUsage[] =
    "usage: kestrova [SWITCH]... [OPTION=VALUE]...\n"
    "Switches, in any letter case:\n"
    "  -LOG                     write the start-up progress to log.txt\n"
    "  -FPS                     show the frame rate in the window title\n"
    "  -FIXEDFPS                no frame shorter than 25 ms\n"
    "Options for tests, benchmarks and demos:\n"
    "  --fixed-step=MS          every frame advances the game by exactly MS ms\n"
    "  --seed=N                 seed the random generator\n"
    "  --frames=N               end the run after N frames\n"
    "  --input=FILE             scripted input replaces the keyboard, mouse and pointer\n"
    "  --screenshot=N:FILE.png  write the picture of frame N (repeatable)\n"
    "  --window=WxH             a window of W x H pixels\n"
    "  --trace=FILE             one line of state per frame\n"
    "  --audio=none             open no sound device\n"
    "  --stage=N                play stage N (1-15) at once, without the menu\n"
    "  --autopilot              the autopilot plays\n"
    "  --shadows=on|off         the shadows setting for this run only\n"
    "  --frame-times=FILE       one line per frame: microseconds to its buffer swap\n"
    "  --vsync=on|off           buffer swaps wait for the display's refresh\n"
    "  --score-service=URL      the world high-score service [http://localhost:8077]\n"
    "  --replay=FILE            play the replay FILE, recording and saving nothing\n"
    "  --help                   this text\n";

namespace {

template <typename T> T Number(const std::string& option, const std::string& text) {
    T value{};
    if (!TextToInteger(text, value)) throw EGameError("Bad value for " + option + ": " + text);
    return value;
}

bool TakeOption(const std::string& arg, const std::string& name, std::string& value) {
    if (arg.compare(0, name.size() + 1, name + "=") != 0) return false;
    value = arg.substr(name.size() + 1);
    return true;
}

} // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    TCommandLine line;
    for (const std::string& arg : args) {
        const std::string upper = UpperCase(arg);
        std::string value;
        if (upper == "-LOG") {
            line.log = true;
        } else if (upper == "-FPS") {
            line.fps = true;
        } else if (upper == "-FIXEDFPS") {
            line.fixedFps = true;
        } else if (TakeOption(arg, "--fixed-step", value)) {
            line.fixedStep = Number<uint32_t>("--fixed-step", value);
        } else if (TakeOption(arg, "--seed", value)) {
            line.seed = Number<uint32_t>("--seed", value);
        } else if (TakeOption(arg, "--frames", value)) {
            line.frames = Number<uint64_t>("--frames", value);
        } else if (TakeOption(arg, "--input", value)) {
            line.inputFile = value;
        } else if (TakeOption(arg, "--trace", value)) {
            line.traceFile = value;
        } else if (TakeOption(arg, "--screenshot", value)) {
            const size_t colon = value.find(':');
            if (colon == std::string::npos || colon + 1 == value.size())
                throw EGameError("Bad value for --screenshot: " + value);
            line.screenshots.push_back(
                {Number<uint64_t>("--screenshot", value.substr(0, colon)), value.substr(colon + 1)});
        } else if (TakeOption(arg, "--window", value)) {
            const size_t x = value.find('x');
            if (x == std::string::npos) throw EGameError("Bad value for --window: " + value);
            line.windowWidth = Number<int>("--window", value.substr(0, x));
            line.windowHeight = Number<int>("--window", value.substr(x + 1));
            if (*line.windowWidth < 2 || *line.windowHeight < 2)
                throw EGameError("Bad value for --window: " + value);
        } else if (TakeOption(arg, "--stage", value)) {
            line.stage = Number<int>("--stage", value);
            if (*line.stage < 1 || *line.stage > 15) throw EGameError("Bad value for --stage: " + value);
        } else if (arg == "--help") {
            line.help = true;
        } else if (arg == "--autopilot") {
            line.autopilot = true;
        } else if (TakeOption(arg, "--score-service", value)) {
            if (value.empty()) throw EGameError("Bad value for --score-service: " + value);
            line.scoreService = value;
        } else if (TakeOption(arg, "--shadows", value)) {
            if (value != "on" && value != "off") throw EGameError("Bad value for --shadows: " + value);
            line.shadows = value == "on";
        } else if (TakeOption(arg, "--frame-times", value)) {
            line.frameTimesFile = value;
        } else if (TakeOption(arg, "--vsync", value)) {
            if (value != "on" && value != "off") throw EGameError("Bad value for --vsync: " + value);
            line.vsync = value == "on";
        } else if (TakeOption(arg, "--replay", value)) {
            if (value.empty()) throw EGameError("Bad value for --replay: " + value);
            line.replayFile = value;
        } else if (TakeOption(arg, "--audio", value)) {
            if (value != "none") throw EGameError("Bad value for --audio: " + value);
            line.audio = false;
        }
    }
    return line;
}
