// The data archive "Data.dpg" and the readers every loader uses to get a file's bytes.
//
// Nothing in an archive is trusted: the directory must fit in the file, and a member
// must lie inside it before a single byte of it is allocated or read.
#include "resources/Extractor.h"

#include "core/Error.h"
#include "core/TextLines.h"
#include "platform/FileSystem.h"
#include "resources/ArchiveFormat.h"
#include "resources/DataPath.h"
#include "resources/StrFunc.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

TExtractor* Extractor = nullptr;

namespace {

TBytes ReadLooseFile(const std::string& fullPath) {
    std::string bytes;
    if (!platform::ReadWholeFile(fullPath, bytes)) throw EGameError("Unable to read file " + fullPath);
    return TBytes(bytes.begin(), bytes.end());
}

// Writes `bytes` to `path` (an old file there is deleted first); false when it cannot.
bool WriteTemporaryFile(const std::string& path, const TBytes& bytes) {
    std::remove(path.c_str());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

} // namespace

TExtractor::~TExtractor() {
    Close();
}

void TExtractor::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    fileSize_ = 0;
    entries_.clear();
    baseDirectory_.clear();
}

void TExtractor::Open(const std::string& archivePath) {
    Close();
    // The archive may be named in any letter case on disk, like every other data file.
    const std::string onDisk = platform::ResolveFile(archivePath);
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(onDisk.c_str(), "rb"), std::fclose);
    if (!file) throw EGameError("File not found " + archivePath);

    const EGameError damaged("Damaged archive: " + archivePath);
    if (fseeko(file.get(), 0, SEEK_END) != 0) throw damaged;
    const off_t length = ftello(file.get());
    if (length < static_cast<off_t>(archive::kHeaderSize) || fseeko(file.get(), 0, SEEK_SET) != 0)
        throw damaged;
    const uint64_t fileSize = static_cast<uint64_t>(length);

    uint8_t header[archive::kHeaderSize];
    if (std::fread(header, 1, archive::kHeaderSize, file.get()) != archive::kHeaderSize) throw damaged;
    const uint64_t count = archive::GetUint32(header + 1);
    if (count * archive::kEntrySize > fileSize - archive::kHeaderSize) throw damaged;

    TBytes directory(count * archive::kEntrySize);
    if (std::fread(directory.data(), 1, directory.size(), file.get()) != directory.size()) throw damaged;

    std::vector<TEntry> entries(count);
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* record = directory.data() + i * archive::kEntrySize;
        const char* path = reinterpret_cast<const char*>(record);
        entries[i].name.assign(path, strnlen(path, archive::kPathSize));
        entries[i].path = archive::LookupKey(entries[i].name);
        entries[i].offset = archive::GetUint32(record + archive::kOffsetField);
        entries[i].size = archive::GetUint32(record + archive::kSizeField);
    }
    entries_ = std::move(entries);
    file_ = file.release();
    fileSize_ = fileSize;
}

void TExtractor::SetBaseDirectory(const std::string& directory) {
    baseDirectory_ = archive::LookupKey(directory);
}

int TExtractor::FindMember(const std::string& fullPath) const {
    const std::string wanted = archive::LookupKey(fullPath);
    for (size_t i = 0; i < entries_.size(); ++i) {
        const std::string& path = entries_[i].path;
        if (wanted.size() == baseDirectory_.size() + path.size() &&
            wanted.compare(0, baseDirectory_.size(), baseDirectory_) == 0 &&
            wanted.compare(baseDirectory_.size(), std::string::npos, path) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int TExtractor::FindFile(const std::string& fullPath) const {
    const int index = FindMember(fullPath);
    if (index < 0 && !platform::FileExists(fullPath)) throw EGameError("File not found " + fullPath);
    return index;
}

const TExtractor::TEntry& TExtractor::CheckedEntry(int index) const {
    if (index < 0 || index >= EntryCount()) throw EGameError("File Index in DPG archive out of range");
    return entries_[index];
}

const TExtractor::TEntry& TExtractor::MemberInFile(int index) const {
    const TEntry& entry = CheckedEntry(index);
    if (uint64_t{entry.offset} + entry.size > fileSize_) {
        throw EGameError("Damaged archive member: " + entry.name);
    }
    return entry;
}

TBytes TExtractor::ReadMember(int index) const {
    const TEntry& entry = MemberInFile(index);
    TBytes bytes(entry.size);
    const std::lock_guard<std::mutex> lock(readMutex_);
    if (fseeko(file_, entry.offset, SEEK_SET) != 0 ||
        std::fread(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        throw EGameError("Damaged archive member: " + entry.name);
    }
    return bytes;
}

int TExtractor::MemberSize(int index) const {
    return static_cast<int>(MemberInFile(index).size);
}

const std::string& TExtractor::MemberName(int index) const {
    return CheckedEntry(index).name;
}

TBytes TExtractor::ReadFile(const std::string& fullPath) const {
    const int index = FindFile(fullPath);
    if (index >= 0 && !platform::FileExists(fullPath)) return ReadMember(index);
    return ReadLooseFile(fullPath);
}

TBytes TExtractor::ExtractForReader(const std::string& fullPath) const {
    const int index = FindFile(fullPath);
    if (index < 0 || platform::FileExists(fullPath)) return ReadLooseFile(fullPath);

    TBytes member = ReadMember(index);
    const std::string temporary = ProgramDir + "Extract.tmp";
    std::string readBack;
    if (WriteTemporaryFile(temporary, member) && platform::ReadWholeFile(temporary, readBack)) {
        return TBytes(readBack.begin(), readBack.end());
    }
    return member;
}

TSimpleFile::TSimpleFile(const std::string& fullPath, const TExtractor& archive)
    : data_(archive.ReadFile(fullPath)) {}

std::string TTextFile::ReadLine() {
    if (EndOfFile()) throw EGameError("Riched End Of File");
    return NextLine(data_, position_);
}

std::string TTextFile::ReadTrimmedLine() {
    return Trim(ReadLine());
}

std::vector<std::string> TTextFile::ReadAllLines() {
    std::vector<std::string> lines;
    while (!EndOfFile())
        lines.push_back(ReadLine());
    return lines;
}

int32_t TIntegerFile::ReadInteger() {
    if (EndOfFile() || data_.size() - position_ < 4) throw EGameError("Riched End Of File");
    const uint32_t value = archive::GetUint32(data_.data() + position_);
    position_ += 4;
    return static_cast<int32_t>(value);
}
