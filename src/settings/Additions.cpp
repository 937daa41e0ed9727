// Additions.cfg: reading and writing.
#include "settings/Additions.h"

#include <charconv>

#include "core/NumberText.h"
#include "core/TextLines.h"
#include "platform/FileSystem.h"

TAdditions* Additions = nullptr;

namespace {

constexpr char kRenderScaleKey[] = "RenderScale";
constexpr char kAutomatic[] = "auto";

} // namespace

bool ParseRenderScale(const std::string& text, TRenderScaleSetting& setting) {
    if (text == kAutomatic) {
        setting = {true, 1};
        return true;
    }
    float scale = 0;
    if (text.find(',') != std::string::npos || !TextToFloat(text, scale) || scale < kMinRenderScale ||
        scale > 1)
        return false;
    setting = {false, scale};
    return true;
}

bool TAdditions::Load(const std::string& path) {
    std::string text;
    if (!platform::ReadWholeFile(path, text)) return false;
    TAdditions read;
    size_t position = 0;
    while (position < text.size()) {
        const std::string line = NextLine(text, position);
        if (line.empty()) continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) return false;
        if (line.compare(0, equals, kRenderScaleKey) == 0 &&
            !ParseRenderScale(line.substr(equals + 1), read.RenderScale))
            return false;
    }
    *this = read;
    return true;
}

bool TAdditions::Save(const std::string& path) const {
    std::string value = kAutomatic;
    if (!RenderScale.automatic) {
        char number[32];
        const auto written = std::to_chars(number, number + sizeof number, RenderScale.scale);
        value.assign(number, written.ptr);
    }
    return platform::WriteFileReplacing(path, std::string(kRenderScaleKey) + "=" + value + "\r\n");
}
