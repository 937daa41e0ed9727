// Image loaders: BMP and TGA read here, JPG through libjpeg, PNG through DevIL. Each
// turns a file's bytes into 8-bit RGB or RGBA rows ready for a texture.
#pragma once

#include <string>

#include "resources/Extractor.h"

// Decoded pixels, rows packed without gaps, in the row order the texture receives them.
struct TImage {
    int width = 0;
    int height = 0;
    int components = 0; // 3 = RGB, 4 = RGBA
    TBytes pixels;
};

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
// Raises the "PNG format only support..." error for anything but 3 or 4 bytes per pixel.
bool DecodePNG(const TBytes& data, const std::string& path, TImage& image);
