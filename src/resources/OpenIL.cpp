// PNG pictures through DevIL. No origin mode is set, so rows arrive as the file stores
// them, top row first.
#include "resources/OpenIL.h"

#include <cstring>
#include <mutex>

#include <IL/il.h>

#include "core/Error.h"
#include "platform/Platform.h"
#include "resources/Textures.h"

namespace {

uint32_t BigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// DevIL's reader from memory does not stop at the end of the bytes: a chunk running past
// them sends it round libpng's checksum for ever. So every chunk, from the signature to
// IEND, must lie within the data before DevIL sees it.
bool ChunksFit(const TBytes& data) {
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data.size() < 8 || std::memcmp(data.data(), kSignature, 8) != 0) return false;
    size_t at = 8;
    while (data.size() - at >= 12) {
        const uint64_t length = BigEndian32(&data[at]);
        if (length > data.size() - at - 12) return false;
        if (std::memcmp(&data[at + 4], "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return false;
}

// The size the header claims, checked before DevIL allocates for it: a small file can
// inflate to gigabytes. IHDR is the first chunk of every PNG.
bool SizeAllowed(const TBytes& data) {
    if (data.size() < 24 || std::memcmp(&data[12], "IHDR", 4) != 0) return false;
    return uint64_t{BigEndian32(&data[16])} * BigEndian32(&data[20]) <= uint64_t{kMaxImagePixels};
}

// DevIL keeps 16-bit channels as they are; the texture takes bytes.
bool ToEightBitChannels() {
    if (ilGetInteger(IL_IMAGE_TYPE) == IL_UNSIGNED_BYTE) return true;
    return ilConvertImage(ilGetInteger(IL_IMAGE_FORMAT), IL_UNSIGNED_BYTE) == IL_TRUE;
}

} // namespace

void InitIL() {
    ilInit();
}

bool DecodePNG(const TBytes& data, const std::string& path, TImage& image) {
    // DevIL keeps its images and errors in globals: one picture at a time, whichever thread.
    static std::mutex devil;
    const std::lock_guard<std::mutex> lock(devil);
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    if (!ChunksFit(data) || !SizeAllowed(data) ||
        !ilLoadL(IL_PNG, data.data(), static_cast<ILuint>(data.size())) || !ToEightBitChannels()) {
        ilDeleteImages(1, &name);
        platform::MessageBox("PNG Unit", "Couldn't load PNG - \"" + path + "\"");
        return false;
    }
    const int width = ilGetInteger(IL_IMAGE_WIDTH);
    const int height = ilGetInteger(IL_IMAGE_HEIGHT);
    const int bytesPerPixel = ilGetInteger(IL_IMAGE_BYTES_PER_PIXEL);
    if (bytesPerPixel != 3 && bytesPerPixel != 4) {
        ilDeleteImages(1, &name);
        throw EGameError("PNG format only support 24 bits(3 byte) & 32 bits(4 byte), and not support " +
                         std::to_string(bytesPerPixel));
    }
    const ILubyte* pixels = ilGetData();
    image.width = width;
    image.height = height;
    image.components = bytesPerPixel;
    image.pixels.assign(pixels, pixels + size_t(width) * height * bytesPerPixel);
    ilDeleteImages(1, &name);
    return true;
}
