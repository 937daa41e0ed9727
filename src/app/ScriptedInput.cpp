// Scripted input files: parsing and the held state at each frame.
#include "app/ScriptedInput.h"

#include "core/Error.h"
#include "core/NumberText.h"

#include <algorithm>
#include <sstream>

namespace {

std::vector<long long> ReadList(const std::string& text) {
    std::vector<long long> values;
    std::stringstream parts(text);
    std::string part;
    while (std::getline(parts, part, ',')) {
        long long v = 0;
        if (!TextToInteger(part, v)) throw std::invalid_argument(part);
        values.push_back(v);
    }
    return values;
}

// "WxH", each side 1 .. 16384 pixels.
platform::TPoint ReadSize(const std::string& text) {
    const size_t x = text.find('x');
    int width = 0, height = 0;
    if (x == std::string::npos || !TextToInteger(text.substr(0, x), width) ||
        !TextToInteger(text.substr(x + 1), height) || width < 1 || height < 1 || width > 16384 ||
        height > 16384)
        throw std::invalid_argument(text);
    return {width, height};
}

} // namespace

TScriptedInput TScriptedInput::Parse(const std::string& text, const std::string& fileName) {
    TScriptedInput script;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream items(line);
        std::string item;
        if (!(items >> item)) continue;
        const std::string where = fileName + " line " + std::to_string(number);
        long long frame = 0;
        if (!TextToInteger(item, frame) || frame < 1)
            throw EGameError("Bad frame number in " + where + ": " + item);
        TScriptedFrame& entry = script.frames_[static_cast<uint64_t>(frame)];
        while (items >> item) {
            try {
                if (item.rfind("keys=", 0) == 0) {
                    entry.setsKeys = true;
                    entry.keys.clear();
                    for (long long k : ReadList(item.substr(5))) {
                        if (k < 0 || k > 255) throw std::invalid_argument(item);
                        entry.keys.push_back(static_cast<int>(k));
                    }
                } else if (item.rfind("pointer=", 0) == 0) {
                    const std::vector<long long> xy = ReadList(item.substr(8));
                    if (xy.size() != 2) throw std::invalid_argument(item);
                    entry.setsPointer = true;
                    entry.pointer = {static_cast<int>(xy[0]), static_cast<int>(xy[1])};
                } else if (item.rfind("motion=", 0) == 0) {
                    long long count = 0;
                    if (!TextToInteger(item.substr(7), count) || count < 0 || count > 60000)
                        throw std::invalid_argument(item);
                    entry.motion = static_cast<int>(count);
                } else if (item.rfind("resize=", 0) == 0) {
                    entry.resize = ReadSize(item.substr(7));
                } else if (item.rfind("step=", 0) == 0) {
                    uint32_t step = 0;
                    if (!TextToInteger(item.substr(5), step) || step > 1000)
                        throw std::invalid_argument(item);
                    entry.step = step;
                } else if (item == "close") {
                    entry.close = true;
                } else if (item == "quit") {
                    entry.quit = true;
                } else if (item == "restart") {
                    entry.restart = true;
                } else {
                    throw std::invalid_argument(item);
                }
            } catch (const std::invalid_argument&) {
                throw EGameError("Bad input item in " + where + ": " + item);
            }
        }
    }
    return script;
}

void TScriptedInput::Apply(uint64_t frame, uint8_t keys[256], platform::TPoint& pointer) const {
    std::vector<int> held;
    for (auto it = frames_.begin(); it != frames_.end() && it->first <= frame; ++it) {
        if (it->second.setsKeys) held = it->second.keys;
        if (it->second.setsPointer) pointer = it->second.pointer;
    }
    std::fill(keys, keys + 256, 0);
    for (int k : held)
        keys[k] = 0x80;
}

const TScriptedFrame* TScriptedInput::EventsAt(uint64_t frame) const {
    const auto it = frames_.find(frame);
    return it == frames_.end() ? nullptr : &it->second;
}

std::optional<uint32_t> TScriptedInput::StepAt(uint64_t frame) const {
    std::optional<uint32_t> step;
    for (auto it = frames_.begin(); it != frames_.end() && it->first <= frame; ++it)
        if (it->second.step) step = it->second.step;
    return step;
}
