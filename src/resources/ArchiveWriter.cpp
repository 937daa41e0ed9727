// Packs files into the "Data.dpg" layout, streaming each member so a large tree is never
// held in memory.
#include "resources/ArchiveWriter.h"

#include "core/Error.h"
#include "resources/ArchiveFormat.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxStoredPath = archive::kPathSize - 1;

using TFile = std::unique_ptr<FILE, int (*)(FILE*)>;

TFile OpenFile(const std::string& path, const char* mode) {
    return TFile(std::fopen(path.c_str(), mode), std::fclose);
}

void CheckPaths(const std::vector<TArchiveSource>& members) {
    std::map<std::string, std::string> seen;
    for (const TArchiveSource& member : members) {
        if (member.storedPath.empty() || member.storedPath.size() > kMaxStoredPath) {
            throw EGameError("Path does not fit in the archive (1 to 255 bytes): " + member.storedPath);
        }
        const auto [it, added] = seen.emplace(archive::LookupKey(member.storedPath), member.storedPath);
        if (!added) {
            throw EGameError("Paths differ only in letter case: " + it->second + " and " + member.storedPath);
        }
    }
}

std::vector<uint8_t> Directory(const std::vector<TArchiveSource>& members,
                               const std::vector<uint64_t>& sizes) {
    std::vector<uint8_t> bytes(archive::kHeaderSize + members.size() * archive::kEntrySize, 0);
    archive::PutUint32(bytes.data() + 1, static_cast<uint32_t>(members.size()));
    uint64_t offset = bytes.size();
    for (size_t i = 0; i < members.size(); ++i) {
        if (offset + sizes[i] > std::numeric_limits<uint32_t>::max()) {
            throw EGameError("Archive would pass 4 GiB at " + members[i].storedPath);
        }
        uint8_t* entry = bytes.data() + archive::kHeaderSize + i * archive::kEntrySize;
        std::copy(members[i].storedPath.begin(), members[i].storedPath.end(), entry);
        archive::PutUint32(entry + archive::kOffsetField, static_cast<uint32_t>(offset));
        archive::PutUint32(entry + archive::kSizeField, static_cast<uint32_t>(sizes[i]));
        offset += sizes[i];
    }
    return bytes;
}

// Copies exactly `size` bytes; a file that changed size since it was measured is an error.
void CopyMember(const TArchiveSource& member, uint64_t size, FILE* out, const std::string& outPath) {
    TFile in = OpenFile(member.diskPath, "rb");
    if (!in) throw EGameError("Unable to read " + member.diskPath);
    std::vector<uint8_t> buffer(1 << 16);
    uint64_t copied = 0;
    for (size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), in.get())) > 0; copied += got) {
        if (std::fwrite(buffer.data(), 1, got, out) != got) throw EGameError("Unable to write " + outPath);
    }
    if (std::ferror(in.get()) || copied != size) throw EGameError("Unable to read " + member.diskPath);
}

void WriteFile(const std::string& path, const std::vector<TArchiveSource>& members,
               const std::vector<uint64_t>& sizes, const std::vector<uint8_t>& directory) {
    TFile out = OpenFile(path, "wb");
    if (!out) throw EGameError("Unable to write " + path);
    if (std::fwrite(directory.data(), 1, directory.size(), out.get()) != directory.size()) {
        throw EGameError("Unable to write " + path);
    }
    for (size_t i = 0; i < members.size(); ++i)
        CopyMember(members[i], sizes[i], out.get(), path);
    if (std::fclose(out.release()) != 0) throw EGameError("Unable to write " + path);
}

} // namespace

std::vector<TArchiveSource> CollectTree(const std::string& root) {
    std::error_code ec;
    if (!fs::is_directory(root, ec)) throw EGameError("Not a directory: " + root);
    std::vector<TArchiveSource> members;
    fs::recursive_directory_iterator it(root, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string stored = it->path().lexically_relative(root).generic_string();
        std::replace(stored.begin(), stored.end(), '/', '\\');
        members.push_back({stored, it->path().string()});
    }
    if (ec) throw EGameError("Unable to read directory " + root + ": " + ec.message());
    std::sort(members.begin(), members.end(),
              [](const TArchiveSource& a, const TArchiveSource& b) { return a.storedPath < b.storedPath; });
    return members;
}

void WriteArchive(const std::string& archivePath, const std::vector<TArchiveSource>& members) {
    CheckPaths(members);
    if (members.size() > std::numeric_limits<uint32_t>::max() / archive::kEntrySize) {
        throw EGameError("Too many files for one archive");
    }
    std::vector<uint64_t> sizes;
    for (const TArchiveSource& member : members) {
        std::error_code ec;
        sizes.push_back(fs::file_size(member.diskPath, ec));
        if (ec) throw EGameError("Unable to read " + member.diskPath);
    }
    const std::vector<uint8_t> directory = Directory(members, sizes);

    const std::string temporary = archivePath + ".tmp";
    try {
        WriteFile(temporary, members, sizes, directory);
    } catch (const EGameError&) {
        std::remove(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), archivePath.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw EGameError("Unable to write " + archivePath);
    }
}
