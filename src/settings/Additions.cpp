// Additions.cfg: reading and writing.
#include "settings/Additions.h"

#include <charconv>

#include "core/NumberText.h"
#include "core/TextLines.h"
#include "platform/FileSystem.h"

TAdditions* Additions = nullptr;

namespace {

constexpr char kRenderScaleKey[] = "RenderScale";
constexpr char kAutoScaleKey[] = "AutoScale";
constexpr char kAutomatic[] = "auto";

std::string NumberText(float number) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, number);
    return {text, written.ptr};
}

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
        const std::string key = line.substr(0, equals);
        if (key == kRenderScaleKey && !ParseRenderScale(line.substr(equals + 1), read.RenderScale)) return false;
        if (key == kAutoScaleKey) {
            TRenderScaleSetting autoScale;
            if (!ParseRenderScale(line.substr(equals + 1), autoScale) || autoScale.automatic) return false;
            read.AutoScale = autoScale.scale;
        }
    }
    *this = read;
    return true;
}

bool TAdditions::Save(const std::string& path) const {
    const std::string value = RenderScale.automatic ? kAutomatic : NumberText(RenderScale.scale);
    return platform::WriteFileReplacing(path, std::string(kRenderScaleKey) + "=" + value + "\r\n" + kAutoScaleKey +
                                                  "=" + NumberText(AutoScale) + "\r\n");
}
