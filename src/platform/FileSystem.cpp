// Case-insensitive path resolution and safe file replacement on POSIX file systems.
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

std::string WithSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// True when the file at `path` holds exactly `bytes`, no more.
bool Holds(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::string held(bytes.size() + 1, '\0');
    const size_t got = std::fread(held.data(), 1, held.size(), f);
    std::fclose(f);
    return got == bytes.size() && held.compare(0, got, bytes) == 0;
}

bool Exists(const std::string& path, bool regularOnly = false) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && (!regularOnly || S_ISREG(info.st_mode));
}

bool IsRegularFile(const std::string& path) {
    return Exists(path, true);
}

std::string Joined(const std::string& dir, const std::string& name) {
    return dir.back() == '/' ? dir + name : dir + '/' + name;
}

// The entry of `dir` named `name` in any letter case, an exact match first; empty when none.
std::string FindEntry(const std::string& dir, const std::string& name) {
    if (Exists(Joined(dir, name))) return Joined(dir, name);
    DIR* entries = opendir(dir.c_str());
    if (!entries) return "";
    std::string found;
    while (const dirent* entry = readdir(entries)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = Joined(dir, entry->d_name);
            break;
        }
    }
    closedir(entries);
    return found;
}

} // namespace

std::string ResolveFile(const std::string& path) {
    if (path.empty()) return "";
    const std::string unixPath = WithSlashes(path);
    if (IsRegularFile(unixPath)) return unixPath;

    std::vector<std::string> parts;
    for (size_t start = 0, end; start < unixPath.size(); start = end + 1) {
        end = std::min(unixPath.find('/', start), unixPath.size());
        const std::string part = unixPath.substr(start, end - start);
        if (!part.empty() && part != ".") parts.push_back(part);
    }
    std::vector<std::string> prefixes{unixPath[0] == '/' ? "/" : "."};
    for (const std::string& part : parts)
        prefixes.push_back(Joined(prefixes.back(), part));

    // Most paths asked for are missing, or differ in letter case only near their end: the
    // longest prefix present as written is where a walk in any case would get to anyway.
    size_t exact = parts.size();
    while (exact > 0 && !Exists(prefixes[exact]))
        --exact;
    std::string current = prefixes[exact];
    for (size_t i = exact; i < parts.size(); ++i) {
        current = parts[i] == ".." ? Joined(current, "..") : FindEntry(current, parts[i]);
        if (current.empty()) return "";
    }
    return IsRegularFile(current) ? current : "";
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
    // The settings are saved at every exit, mostly as they were: a file that already holds
    // the bytes is left alone, without the sync and the replacement's disk work.
    if (Holds(target, bytes)) return true;
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
        if (IsRegularFile(it->path().string())) names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec);
}

} // namespace platform
