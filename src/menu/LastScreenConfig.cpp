// Reading the exit screen's description, strictly: a malformed file disables the screen.
#include "menu/LastScreenConfig.h"

#include <charconv>

#include "core/TextCase.h"

namespace {

// More links than a screen could show means a damaged count, not a design.
constexpr int MaxLinks = 64;

class TLineReader {
public:
    explicit TLineReader(const std::string& text) {
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines_.push_back(line);
            start = end + 1;
        }
    }

    bool Line(std::string& line) {
        if (next_ >= lines_.size()) return false;
        line = lines_[next_++];
        return true;
    }

    bool Skip() {
        std::string ignored;
        return Line(ignored);
    }

    // Exactly `count` decimal integers separated by single spaces.
    bool Numbers(int* values, int count) {
        std::string line;
        if (!Line(line)) return false;
        const char* at = line.data();
        const char* end = line.data() + line.size();
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                if (at == end || *at != ' ') return false;
                ++at;
            }
            const auto [stop, error] = std::from_chars(at, end, values[i]);
            if (error != std::errc() || stop == at) return false;
            at = stop;
        }
        return at == end;
    }

    bool Box(TPixelBox& box) {
        int values[4];
        if (!Numbers(values, 4)) return false;
        box = {values[0], values[1], values[2], values[3]};
        return box.w > 0 && box.h > 0;
    }

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

} // namespace

std::optional<TLastScreenConfig> ParseLastScreenConfig(const std::string& text) {
    TLineReader in(text);
    TLastScreenConfig config;
    int count = 0;
    if (!in.Numbers(&count, 1) || count < 1 || count - 1 > MaxLinks) return std::nullopt;
    if (!in.Line(config.background)) return std::nullopt;
    for (int i = 0; i + 1 < count; ++i) {
        TLastScreenLink link;
        if (!in.Skip() || !in.Box(link.box) || !in.Line(link.hoveredPicture) ||
            !in.Line(link.normalPicture) || !in.Line(link.link))
            return std::nullopt;
        config.links.push_back(link);
    }
    int ignored[2];
    int colour[3];
    std::string flag;
    if (!in.Skip() || !in.Skip() || !in.Box(config.close) || !in.Line(config.closeHovered) ||
        !in.Line(config.closeNormal) || !in.Line(config.countdownBox) || !in.Numbers(ignored, 2) ||
        !in.Numbers(&config.countdownSeconds, 1) || !in.Numbers(colour, 3) || !in.Line(flag))
        return std::nullopt;
    if (config.countdownSeconds < 0) return std::nullopt;
    for (int c : colour)
        if (c < 0 || c > 255) return std::nullopt;
    config.red = colour[0];
    config.green = colour[1];
    config.blue = colour[2];
    if (UpperCase(flag) == "TRUE") {
        int height = 0;
        if (!in.Numbers(&height, 1) || height <= 0) return std::nullopt;
        config.fontHeight = height;
    }
    return config;
}
