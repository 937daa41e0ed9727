// Naming, writing and pruning the stored replays.
#include "app/ReplayStore.h"

#include <algorithm>
#include <cstdio>

#include "core/Error.h"
#include "platform/FileSystem.h"

namespace {

const std::string kExtension = ".kreplay";

bool Named(const std::string& name, const std::string& prefix) {
    return name.rfind(prefix, 0) == 0 && name.size() > kExtension.size() &&
           name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) == 0;
}

std::string StageName(int stage) {
    char text[16];
    std::snprintf(text, sizeof text, "stage%02d", stage);
    return text;
}

// Letters and digits as they are; anything else of a profile's name as %XX. Names have no limit
// of their own; file names do.
std::string SafeName(const std::string& name) {
    std::string safe;
    for (unsigned char c : name.substr(0, 64)) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            safe += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            safe += hex;
        }
    }
    return safe;
}

bool BetterThanStored(const std::string& path, const TReplay& run) {
    std::string bytes;
    if (!platform::ReadWholeFile(path, bytes)) return true;
    try {
        return run.finalScore > ReadReplay(bytes, path).finalScore;
    } catch (const EGameError&) {
        return true; // a damaged best is no best
    }
}

} // namespace

std::string NewRunPath(const std::string& folder, int stage, const std::tm& localTime) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &localTime);
    const std::string base = folder + "run-" + stamp + "-" + StageName(stage);
    std::string path = base + kExtension;
    for (int n = 2; platform::FileExists(path); ++n)
        path = base + "-" + std::to_string(n) + kExtension;
    return path;
}

bool StoreRun(const std::string& folder, const std::string& path, const TReplay& run) {
    const std::string bytes = WriteReplay(run);
    if (!platform::WriteFileReplacing(path, bytes)) return false;
    std::vector<std::string> runs;
    for (const std::string& name : platform::FileNames(folder))
        if (Named(name, "run-")) runs.push_back(name);
    for (size_t i = 0; i + kKeptRuns < runs.size(); ++i)
        if (folder + runs[i] != path) platform::RemoveFile(folder + runs[i]);

    if (run.outcome == RO_UNFINISHED) return true;
    std::string best = folder + "best-" + StageName(run.stage);
    if (!run.profile.empty()) best += "-" + SafeName(run.profile);
    best += kExtension;
    if (BetterThanStored(best, run) && !platform::WriteFileReplacing(best, bytes))
        std::fprintf(stderr, "Could not save the replay %s\n", best.c_str());
    return true;
}

std::vector<std::string> BestRuns(const std::string& folder) {
    std::vector<std::string> paths;
    for (const std::string& name : platform::FileNames(folder))
        if (Named(name, "best-")) paths.push_back(folder + name);
    return paths;
}
