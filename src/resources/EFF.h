// The ".eff" sprite-effect files: a frame time in ms, then one texture file per frame.
#pragma once

#include <string>
#include <vector>

struct TEffFile {
    int frameTime = 0;
    std::vector<std::string> frameFiles; // full paths, beside the .eff file
};

// Lines are taken as they are, empty ones included. A file without frame lines or with a
// frame time below 1 raises an error naming it.
TEffFile ReadEffFile(const std::string& path);
