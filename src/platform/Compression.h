// zlib: packing bytes small, and digests that tell two byte strings apart.
#pragma once

#include <cstdint>
#include <future>
#include <string>

namespace platform {

std::string Deflate(const std::string& bytes);
// False when `packed` is not one whole deflate stream or unpacks to more than `limit` bytes.
bool Inflate(const std::string& packed, size_t limit, std::string& bytes);
// 64 bits: the CRC-32 and the Adler-32 of the bytes.
uint64_t Digest(const std::string& bytes);
// The digest of a whole file, worked out on a thread of its own; 0 when it cannot be read.
std::future<uint64_t> DigestFile(const std::string& path);

} // namespace platform
