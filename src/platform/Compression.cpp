// Deflate streams and checksums through zlib.
#include "platform/Compression.h"

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

uint64_t Digest(const std::string& bytes) {
    const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
    const uint64_t crc = crc32_z(0, data, bytes.size());
    const uint64_t adler = adler32_z(1, data, bytes.size());
    return crc << 32 | adler;
}

std::future<uint64_t> DigestFile(const std::string& path) {
    return std::async(std::launch::async, [path] {
        std::string bytes;
        return ReadWholeFile(path, bytes) ? Digest(bytes) : 0;
    });
}

} // namespace platform
