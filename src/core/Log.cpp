// The start-up progress log file.
#include "core/Log.h"

#include <cstdio>

TLOgFile* Log = nullptr;

TLOgFile::TLOgFile(const std::string& fileName, bool enabled) : fileName_(fileName), enabled_(enabled) {}

void TLOgFile::Write(const std::string& text) {
    if (!enabled_) return;
    lines_.push_back(text);
    // A progress log that cannot be written is not worth stopping the game for.
    FILE* f = std::fopen(fileName_.c_str(), "wb");
    if (!f) return;
    for (const std::string& line : lines_) {
        std::fwrite(line.data(), 1, line.size(), f);
        std::fwrite("\r\n", 1, 2, f);
    }
    std::fclose(f);
}
