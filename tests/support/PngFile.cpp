#include "support/PngFile.h"

#include <png.h>

uint32_t TPngImage::At(int x, int y) const {
    const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

bool ReadPng(const std::string& path, TPngImage& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_RGBA;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.rgba.assign(PNG_IMAGE_SIZE(png), 0);
    const bool ok = png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok;
}
