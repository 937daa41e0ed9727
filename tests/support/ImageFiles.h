// Builds small BMP, TGA, JPG and PNG files in memory for the image loader tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace imagefiles {

using TBytesOut = std::vector<uint8_t>;

inline void Put16(TBytesOut& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

inline void Put32(TBytesOut& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

struct TBmpFields {
    int bits = 24;
    uint32_t colorsUsed = 0;
    uint32_t sizeImage = 0;
};

// `rows` are the file's pixel bytes exactly as stored (BGR, bottom row first, padded).
inline TBytesOut MakeBMP(int width, int height, const TBytesOut& rows, TBmpFields fields = {}) {
    TBytesOut out = {'B', 'M'};
    Put32(out, static_cast<uint32_t>(54 + fields.colorsUsed + rows.size()));
    Put32(out, 0);
    Put32(out, 54 + fields.colorsUsed);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, fields.bits);
    Put32(out, 0);
    Put32(out, fields.sizeImage);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, fields.colorsUsed);
    Put32(out, 0);
    out.insert(out.end(), fields.colorsUsed, 0);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

struct TTgaFields {
    int imageType = 2;
    int colorMapType = 0;
    int bits = 24;
    std::string imageId;
};

// `pixels` are BGR(A) bytes as stored, bottom row first.
inline TBytesOut MakeTGA(int width, int height, const TBytesOut& pixels, TTgaFields fields = {}) {
    TBytesOut out;
    out.push_back(static_cast<uint8_t>(fields.imageId.size()));
    out.push_back(static_cast<uint8_t>(fields.colorMapType));
    out.push_back(static_cast<uint8_t>(fields.imageType));
    out.insert(out.end(), 5, 0); // colour map fields
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, width);
    Put16(out, height);
    out.push_back(static_cast<uint8_t>(fields.bits));
    out.push_back(fields.bits == 32 ? 8 : 0);
    out.insert(out.end(), fields.imageId.begin(), fields.imageId.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

// `rgb` is top row first, as JPEG stores it.
inline TBytesOut EncodeJPG(int width, int height, const TBytesOut& rgb) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(rgb.data()) + info.next_scanline * width * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    TBytesOut out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    free(buffer);
    return out;
}

// A PNG written by libpng with any bit depth and colour type (PNG_COLOR_TYPE_*). `rows` hold
// the stored bytes, top row first, 16-bit samples big-endian; empty, every row is zero, so
// large pictures cost little to make.
inline TBytesOut EncodePNGRows(int width, int height, int bitDepth, int colorType, const TBytesOut& rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    TBytesOut out;
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, size_t size) {
            auto* target = static_cast<TBytesOut*>(png_get_io_ptr(p));
            target->insert(target->end(), data, data + size);
        },
        nullptr);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, width, height, bitDepth, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_write_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    const TBytesOut zeros(rows.empty() ? rowBytes : 0);
    for (int y = 0; y < height; ++y)
        png_write_row(png, rows.empty() ? zeros.data() : rows.data() + y * rowBytes);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

inline std::string AsString(const TBytesOut& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace imagefiles
