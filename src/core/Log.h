// The start-up progress log: every line rewrites the whole file so a crash while loading
// leaves the last finished step on disk.
#pragma once

#include <string>
#include <vector>

class TLOgFile {
public:
    TLOgFile(const std::string& fileName, bool enabled);
    // Appends a line and rewrites the file, each line ended by CR LF; bytes go out unchanged.
    void Write(const std::string& text);

private:
    std::vector<std::string> lines_;
    std::string fileName_;
    bool enabled_;
};

extern TLOgFile* Log;
