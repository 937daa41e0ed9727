// Image loaders: BMP and TGA read here, JPG through libjpeg, PNG through DevIL. Each
// turns a file's bytes into 8-bit RGB or RGBA rows ready for a texture.
#pragma once

#include <cstdint>
#include <string>

#include "resources/Extractor.h"

// Decoded pixels, rows packed without gaps, in the row order the texture receives them.
struct TImage {
    int width = 0;
    int height = 0;
    int components = 0; // 3 = RGB, 4 = RGBA
    TBytes pixels;
};

// Far more than any texture of the game needs; a file claiming more pixels is refused
// before they are decoded, with the reader's usual message.
constexpr int64_t kMaxImagePixels = int64_t{4096} * 4096;

enum class TImageFormat { None, BMP, JPG, TGA, PNG };

// Where the bytes came from: several messages differ between the two.
enum class TImageSource { LooseFile, ArchiveMember };

// Chosen by the last four characters of the upper-cased path only: "a.jpeg" is None.
TImageFormat ImageFormatOf(const std::string& path);

// Reads `path` by the archive's precedence rule and decodes it. False when there is no
// picture: an unknown extension, or a problem already reported in a message box. A path
// found nowhere raises "File not found " + path.
bool LoadImage(const std::string& path, TImage& image);

// Decoders of a whole file's bytes; `path` names the file in their messages.
bool DecodeBMP(const TBytes& data, TImage& image);
bool DecodeTGA(const TBytes& data, const std::string& path, TImage& image);
bool DecodeJPG(const TBytes& data, const std::string& path, TImageSource source, TImage& image);
// Channels of 16 bits are reduced to 8 first; then anything but 3 or 4 bytes per pixel
// raises the "PNG format only support..." error.
bool DecodePNG(const TBytes& data, const std::string& path, TImage& image);
