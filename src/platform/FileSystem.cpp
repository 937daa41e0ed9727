// Case-insensitive path resolution and safe file replacement on POSIX file systems.
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

std::string WithSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool IsRegularFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// Finds the entry of `dir` named `name` in any letter case; an exact match wins.
bool FindEntry(const fs::path& dir, const std::string& name, fs::path& found) {
    std::error_code ec;
    if (fs::exists(dir / name, ec)) {
        found = dir / name;
        return true;
    }
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (strcasecmp(it->path().filename().c_str(), name.c_str()) == 0) {
            found = it->path();
            return true;
        }
    }
    return false;
}

} // namespace

std::string ResolveFile(const std::string& path) {
    if (path.empty()) return "";
    const std::string unixPath = WithSlashes(path);
    if (IsRegularFile(unixPath)) return unixPath;

    fs::path current = unixPath[0] == '/' ? fs::path("/") : fs::path(".");
    std::stringstream parts(unixPath);
    std::string part;
    while (std::getline(parts, part, '/')) {
        if (part.empty() || part == ".") continue;
        fs::path next;
        if (part == "..") {
            next = current / "..";
        } else if (!FindEntry(current, part, next)) {
            return "";
        }
        current = next;
    }
    return IsRegularFile(current) ? current.string() : "";
}

bool FileExists(const std::string& path) {
    return !ResolveFile(path).empty();
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    const std::string real = ResolveFile(path);
    if (real.empty()) return false;
    std::ifstream in(real, std::ios::binary);
    if (!in) return false;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad()) return false;
    bytes = out.str();
    return true;
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
    const std::string target = WithSlashes(path);
    const std::string temp = target + ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    const bool closed = std::fclose(f) == 0;
    if (!written || !flushed || !closed || std::rename(temp.c_str(), target.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool DirectoryWritable(const std::string& dir) {
    return access(WithSlashes(dir.empty() ? "." : dir).c_str(), W_OK | X_OK) == 0;
}

std::string SettingsDirectory(const std::string& programDirectory) {
    // An installed game never writes into its installation, even where it could.
    const fs::path folder = fs::path(programDirectory).parent_path();
    const bool installed = folder.filename() == "kestrova" && folder.parent_path().filename() == "lib";
    if (!installed && DirectoryWritable(programDirectory)) return programDirectory;
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".config";
    } else {
        return programDirectory;
    }
    std::error_code ec;
    fs::create_directories(base / "kestrova", ec);
    return (base / "kestrova").string() + "/";
}

namespace {

// `variable`'s folder, else `underHome` in the home folder, with `sub` made inside it.
std::string UserFolder(const char* variable, const char* underHome, const fs::path& sub) {
    fs::path base;
    if (const char* set = std::getenv(variable); set && *set) {
        base = set;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / underHome;
    } else {
        return "";
    }
    std::error_code ec;
    fs::create_directories(base / sub, ec);
    if (!fs::is_directory(base / sub, ec)) return "";
    return (base / sub).string() + "/";
}

} // namespace

std::string ScreenshotDirectory() {
    return UserFolder("XDG_PICTURES_DIR", "Pictures", "Kestrova");
}

std::string ReplayDirectory() {
    return UserFolder("XDG_DATA_HOME", ".local/share", fs::path("kestrova") / "replays");
}

std::vector<std::string> FileNames(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        if (IsRegularFile(it->path())) names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec);
}

} // namespace platform
