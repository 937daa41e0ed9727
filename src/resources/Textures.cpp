// The BMP and TGA readers and the choice of loader by extension. The readers check every
// length against the bytes they were given, so a short or damaged file ends in a message
// box, never in a read past the data.
#include "resources/Textures.h"

#include <algorithm>

#include "core/Error.h"
#include "core/TextCase.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace {

uint32_t Get16(const TBytes& data, size_t at) {
    return data[at] | (uint32_t{data[at + 1]} << 8);
}

uint32_t Get32(const TBytes& data, size_t at) {
    return Get16(data, at) | (Get16(data, at + 2) << 16);
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// File rows are blue, green, red (, alpha); textures take red first.
void SwapRedAndBlue(TBytes& pixels, int components) {
    for (size_t i = 0; i + 2 < pixels.size(); i += components)
        std::swap(pixels[i], pixels[i + 2]);
}

constexpr size_t kBmpHeadersSize = 14 + 40;
constexpr size_t kTgaHeaderSize = 18;

// Reads the member or the loose file, whichever the archive rule picks; false after the
// format's message box when the bytes cannot be had.
bool ReadImageBytes(const std::string& path, TImageFormat format, TBytes& data, TImageSource& source) {
    const int index = Extractor->FindFile(path);
    source =
        index >= 0 && !platform::FileExists(path) ? TImageSource::ArchiveMember : TImageSource::LooseFile;
    if (source == TImageSource::ArchiveMember) {
        try {
            data = Extractor->ReadMember(index);
            return true;
        } catch (const EGameError&) {
            // A damaged archive member is reported like any other unreadable picture.
        }
    } else {
        std::string bytes;
        if (platform::ReadWholeFile(path, bytes)) {
            data.assign(bytes.begin(), bytes.end());
            return true;
        }
    }
    const bool member = source == TImageSource::ArchiveMember;
    switch (format) {
    case TImageFormat::BMP:
    case TImageFormat::TGA:
        if (member) {
            platform::MessageBox("BMP Unit", "Unable to read from resource - " + path);
        } else if (format == TImageFormat::BMP) {
            platform::MessageBox("BMP Unit", "Error opening " + path);
        } else {
            platform::MessageBox("TGA Texture", "File not found  - " + path);
        }
        break;
    case TImageFormat::JPG:
        platform::MessageBox("BMP Unit", (member ? "Couldn't load JPG Resource - " : "Couldn't load JPG - ") +
                                             Quoted(path));
        break;
    default: platform::MessageBox("PNG Unit", "Couldn't load PNG - " + Quoted(path)); break;
    }
    return false;
}

} // namespace

TImageFormat ImageFormatOf(const std::string& path) {
    if (path.size() < 4) return TImageFormat::None;
    const std::string extension = UpperCase(path.substr(path.size() - 4));
    if (extension == ".BMP") return TImageFormat::BMP;
    if (extension == ".JPG") return TImageFormat::JPG;
    if (extension == ".TGA") return TImageFormat::TGA;
    if (extension == ".PNG") return TImageFormat::PNG;
    return TImageFormat::None;
}

bool LoadImage(const std::string& path, TImage& image) {
    const TImageFormat format = ImageFormatOf(path);
    if (format == TImageFormat::None) return false;
    TBytes data;
    TImageSource source = TImageSource::LooseFile;
    if (!ReadImageBytes(path, format, data, source)) return false;
    switch (format) {
    case TImageFormat::BMP: return DecodeBMP(data, image);
    case TImageFormat::TGA: return DecodeTGA(data, path, image);
    case TImageFormat::JPG: return DecodeJPG(data, path, source, image);
    default: return DecodePNG(data, path, image);
    }
}

bool DecodeBMP(const TBytes& data, TImage& image) {
    if (data.size() < kBmpHeadersSize) {
        platform::MessageBox("BMP Unit", "Error reading bitmap data");
        return false;
    }
    const int32_t width = static_cast<int32_t>(Get32(data, 18));
    const int32_t storedHeight = static_cast<int32_t>(Get32(data, 22));
    if (Get16(data, 28) != 24) throw EGameError("Bitmap bitrate <> 24");
    const uint64_t paletteBytes = Get32(data, 46);
    if (data.size() - kBmpHeadersSize < paletteBytes) {
        platform::MessageBox("BMP Unit", "Error reading palette");
        return false;
    }
    // Rows are read at their stored stride (padded to four bytes); the game's own bitmaps
    // have widths whose rows need no padding, so for them this is the packed layout.
    const uint64_t height = storedHeight < 0 ? -int64_t{storedHeight} : storedHeight;
    const uint64_t rowBytes = uint64_t(width < 0 ? 0 : width) * 3;
    const uint64_t stride = (rowBytes + 3) & ~uint64_t{3};
    const size_t pixelStart = kBmpHeadersSize + paletteBytes;
    if (width <= 0 || height == 0 || data.size() - pixelStart < stride * height) {
        platform::MessageBox("BMP Unit", "Error reading bitmap data");
        return false;
    }
    image.width = width;
    image.height = static_cast<int>(height);
    image.components = 3;
    image.pixels.resize(rowBytes * height);
    for (uint64_t row = 0; row < height; ++row) {
        const auto from = data.begin() + pixelStart + row * stride;
        std::copy(from, from + rowBytes, image.pixels.begin() + row * rowBytes);
    }
    SwapRedAndBlue(image.pixels, 3);
    return true;
}

bool DecodeTGA(const TBytes& data, const std::string& path, TImage& image) {
    const std::string couldNotRead = "Couldn't read file " + Quoted(path) + ".";
    if (data.size() < kTgaHeaderSize) {
        platform::MessageBox("TGA File Error", couldNotRead);
        return false;
    }
    const std::string couldNotLoad = "Couldn't load " + Quoted(path);
    if (data[2] != 2) {
        platform::MessageBox("TGA File Error", couldNotLoad + ". Compressed TGA files not supported.");
        return false;
    }
    if (data[1] != 0) {
        platform::MessageBox("TGA File Error", couldNotLoad + ". Colormapped TGA files not supported.");
        return false;
    }
    const int bits = data[16];
    if (bits != 24 && bits != 32) {
        platform::MessageBox("TGA File Error", couldNotLoad + ". Only 24 bit TGA files supported.");
        return false;
    }
    const int width = static_cast<int>(Get16(data, 12));
    const int height = static_cast<int>(Get16(data, 14));
    const int components = bits / 8;
    const size_t pixelStart = kTgaHeaderSize + data[0]; // after the image-ID field
    const size_t pixelBytes = size_t(width) * height * components;
    if (pixelBytes == 0 || data.size() < pixelStart || data.size() - pixelStart < pixelBytes) {
        platform::MessageBox("TGA File Error", couldNotRead);
        return false;
    }
    image.width = width;
    image.height = height;
    image.components = components;
    image.pixels.assign(data.begin() + pixelStart, data.begin() + pixelStart + pixelBytes);
    SwapRedAndBlue(image.pixels, components);
    return true;
}
