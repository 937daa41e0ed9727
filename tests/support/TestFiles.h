// Scratch directories and files for tests.
#pragma once

#include <string>

// A fresh empty directory, removed again when the object goes away. Its path ends with '/'.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    const std::string& Path() const { return path_; }
    // Writes `bytes` to Path() + relative (with '/' separators), creating folders.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;

private:
    std::string path_;
};
