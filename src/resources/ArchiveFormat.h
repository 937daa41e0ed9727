// The layout of "Data.dpg", shared by the archive reader and the archive writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/TextCase.h"

namespace archive {

// One header byte, then the entry count N as uint32.
constexpr uint64_t kHeaderSize = 5;
// Each directory entry: path (zero-terminated unless it fills the field), an unused
// uint32, the member's absolute offset and its size; all integers little-endian.
constexpr uint64_t kEntrySize = 268;
constexpr size_t kPathSize = 256;
constexpr size_t kUnusedField = 256;
constexpr size_t kOffsetField = 260;
constexpr size_t kSizeField = 264;

inline uint32_t GetUint32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

inline void PutUint32(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Paths are compared in this form.
inline std::string LookupKey(const std::string& path) {
    return UpperCase(path);
}

} // namespace archive
