// The data archive "Data.dpg" and the small in-memory readers built on it. Loose files
// in the program directory take precedence over archive members of the same path.
#pragma once

#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

using TBytes = std::vector<uint8_t>;

class TExtractor {
public:
    TExtractor() = default;
    ~TExtractor();
    TExtractor(const TExtractor&) = delete;
    TExtractor& operator=(const TExtractor&) = delete;

    // Closes any open archive, then reads the directory of `archivePath`. Raises
    // "File not found " + path when it cannot be opened and "Damaged archive: " + path
    // when the directory does not fit in the file; either way the archive stays closed.
    void Open(const std::string& archivePath);
    void SetBaseDirectory(const std::string& directory);

    // Index of the member named by `fullPath`, -1 when it is only a loose file;
    // raises "File not found " + fullPath when it is neither.
    int FindFile(const std::string& fullPath) const;
    // Index of the member named by `fullPath`, -1 when the archive has none; never looks at the disk.
    int FindMember(const std::string& fullPath) const;
    // A member whose bytes lie beyond the end of the archive raises "Damaged archive member: " + name.
    // Safe from any thread (pictures are read by the decoding worker).
    TBytes ReadMember(int index) const;
    int MemberSize(int index) const;
    // The member's path as the archive stores it, letter case kept.
    const std::string& MemberName(int index) const;
    int EntryCount() const { return static_cast<int>(entries_.size()); }

    // The lookup precedence every loader uses: the loose file when it exists, else the member.
    // A loose file that exists but cannot be read raises "Unable to read file " + path.
    TBytes ReadFile(const std::string& fullPath) const;

    // For readers that open real files: copies an archived member (with no loose file
    // beside it) to program directory + "Extract.tmp" and returns the bytes read back;
    // a loose file is read directly. When "Extract.tmp" cannot be written the member
    // is returned from memory, so loading does not fail for a read-only directory.
    TBytes ExtractForReader(const std::string& fullPath) const;

private:
    struct TEntry {
        std::string name; // as stored
        std::string path; // upper-cased, for lookups
        uint32_t offset = 0;
        uint32_t size = 0;
    };
    void Close();
    const TEntry& CheckedEntry(int index) const;
    const TEntry& MemberInFile(int index) const;

    std::string baseDirectory_;
    std::vector<TEntry> entries_;
    FILE* file_ = nullptr;
    uint64_t fileSize_ = 0;
    mutable std::mutex readMutex_; // one seek and read at a time
};

// Whole file in memory, read by the archive's precedence rule.
class TSimpleFile {
public:
    TSimpleFile(const std::string& fullPath, const TExtractor& archive);
    virtual ~TSimpleFile() = default;
    bool EndOfFile() const { return position_ >= data_.size(); }
    const TBytes& Data() const { return data_; }
    int Size() const { return static_cast<int>(data_.size()); }

protected:
    TBytes data_;
    size_t position_ = 0;
};

class TTextFile : public TSimpleFile {
public:
    using TSimpleFile::TSimpleFile;
    // Bytes up to the next CR LF, CR or LF, which is skipped.
    // Raises "Riched End Of File" at the end.
    std::string ReadLine();
    std::string ReadTrimmedLine();
    // ReadLine up to the end of the file.
    std::vector<std::string> ReadAllLines();
};

class TIntegerFile : public TSimpleFile {
public:
    using TSimpleFile::TSimpleFile;
    // Little-endian int32; raises "Riched End Of File" when fewer than 4 bytes remain.
    int32_t ReadInteger();
};

extern TExtractor* Extractor;
