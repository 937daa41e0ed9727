// Deflate streams and checksums through zlib.
#include "platform/Compression.h"

#include <cstdio>
#include <vector>
#include <zlib.h>

#include "platform/FileSystem.h"

namespace platform {

std::string Deflate(const std::string& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(size);
    return packed;
}

bool Inflate(const std::string& packed, size_t limit, std::string& bytes) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    bytes.clear();
    char chunk[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        bytes.append(chunk, sizeof chunk - stream.avail_out);
        if (bytes.size() > limit) status = Z_BUF_ERROR;
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END && stream.avail_in == 0;
}

namespace {

// CRC-32 and Adler-32 carried from piece to piece come out as over the bytes in one.
struct TRunningDigest {
    uLong crc = 0;
    uLong adler = 1;
    void Add(const void* data, size_t size) {
        crc = crc32_z(crc, static_cast<const Bytef*>(data), size);
        adler = adler32_z(adler, static_cast<const Bytef*>(data), size);
    }
    uint64_t Value() const { return uint64_t{crc} << 32 | adler; }
};

} // namespace

uint64_t Digest(const std::string& bytes) {
    TRunningDigest digest;
    digest.Add(bytes.data(), bytes.size());
    return digest.Value();
}

std::future<uint64_t> DigestFile(const std::string& path) {
    return std::async(std::launch::async, [path]() -> uint64_t {
        // Piece by piece through one buffer: the archive is megabytes, and a copy of it whole
        // costs a page fault for every 4 KB of it, while the stage loads beside it and a
        // stage's replay waits for the digest.
        const std::string real = ResolveFile(path);
        FILE* file = real.empty() ? nullptr : std::fopen(real.c_str(), "rb");
        if (!file) return 0;
        std::vector<char> piece(256 * 1024);
        TRunningDigest digest;
        size_t got;
        while ((got = std::fread(piece.data(), 1, piece.size(), file)) > 0)
            digest.Add(piece.data(), got);
        const bool failed = std::ferror(file) != 0;
        std::fclose(file);
        return failed ? 0 : digest.Value();
    });
}

} // namespace platform
