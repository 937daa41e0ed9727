// Files on disk. Data paths are written with backslashes and any letter case, as the
// data names them; on disk they are found case-insensitively with either separator.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The path of the existing regular file that `path` names, matching each component
// case-insensitively and taking '\' as a separator; empty when there is none.
std::string ResolveFile(const std::string& path);
bool FileExists(const std::string& path);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
// Writes a temporary file beside `path` and renames it over `path`, so a crash
// mid-write leaves the old file whole; false on any failure (the old file is kept). A file
// that already holds `bytes` is not written again.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

bool DirectoryWritable(const std::string& dir);
// Where settings and the log live: the program directory when it can be written and is not
// an installed game's lib/kestrova/, else $XDG_CONFIG_HOME/kestrova/ (else ~/.config/kestrova/),
// created on demand.
std::string SettingsDirectory(const std::string& programDirectory);
// Where the screenshot key's pictures go: $XDG_PICTURES_DIR/Kestrova/ (else ~/Pictures/Kestrova/),
// created on demand; empty when there is no such folder and it cannot be made.
std::string ScreenshotDirectory();
// Where replays are kept: $XDG_DATA_HOME/kestrova/replays/ (else ~/.local/share/kestrova/replays/),
// created on demand; empty when there is no such folder and it cannot be made.
std::string ReplayDirectory();
// The names of the regular files in `dir`, sorted; none when it cannot be read.
std::vector<std::string> FileNames(const std::string& dir);
bool RemoveFile(const std::string& path);

} // namespace platform
