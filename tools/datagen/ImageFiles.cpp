// Writers for the three picture formats the game reads: PNG (cairo), JPG (libjpeg), TGA (ours).
#include "ImageFiles.h"

#include <cstdint>
#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace {

struct TPixels {
    int width, height, stride;
    const unsigned char* data;
    bool alpha;
};

TPixels PixelsOf(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    return {cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface),
            cairo_image_surface_get_stride(surface), cairo_image_surface_get_data(surface),
            cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32};
}

// Unpremultiplied R, G, B, A of one pixel.
void Unpack(const TPixels& p, int x, int y, uint8_t out[4]) {
    const uint32_t v = reinterpret_cast<const uint32_t*>(p.data + static_cast<size_t>(y) * p.stride)[x];
    const uint32_t a = p.alpha ? v >> 24 : 255;
    const uint32_t c[3] = {(v >> 16) & 255, (v >> 8) & 255, v & 255};
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<uint8_t>(a == 0 ? 0 : (a == 255 ? c[i] : (c[i] * 255 + a / 2) / a));
    out[3] = static_cast<uint8_t>(a);
}

FILE* OpenForWriting(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    return f;
}

} // namespace

cairo_surface_t* OrientedCopy(cairo_surface_t* surface, TOrientation orientation) {
    const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    cairo_surface_t* copy = cairo_image_surface_create(cairo_image_surface_get_format(surface), w, h);
    cairo_t* cr = cairo_create(copy);
    if (orientation == TOrientation::FlipVertical) {
        cairo_translate(cr, 0, h);
        cairo_scale(cr, 1, -1);
    } else if (orientation == TOrientation::Mirror) {
        cairo_translate(cr, w, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(copy);
    return copy;
}

void WritePng(const std::string& path, cairo_surface_t* surface) {
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

void WriteJpg(const std::string& path, cairo_surface_t* surface, int quality) {
    const TPixels p = PixelsOf(surface);
    FILE* f = OpenForWriting(path);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, f);
    info.image_width = p.width;
    info.image_height = p.height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(p.width) * 3);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            uint8_t px[4];
            Unpack(p, x, y, px);
            std::copy(px, px + 3, &row[static_cast<size_t>(x) * 3]);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(f);
}

void WriteTga(const std::string& path, cairo_surface_t* surface) {
    const TPixels p = PixelsOf(surface);
    std::vector<uint8_t> bytes(18, 0);
    bytes[2] = 2; // uncompressed true colour
    bytes[12] = static_cast<uint8_t>(p.width & 255);
    bytes[13] = static_cast<uint8_t>(p.width >> 8);
    bytes[14] = static_cast<uint8_t>(p.height & 255);
    bytes[15] = static_cast<uint8_t>(p.height >> 8);
    bytes[16] = 32;
    bytes[17] = 0x28; // 8 alpha bits, top-left origin (the game ignores the origin; viewers honour it)
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            uint8_t px[4];
            Unpack(p, x, y, px);
            bytes.insert(bytes.end(), {px[2], px[1], px[0], px[3]});
        }
    FILE* f = OpenForWriting(path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    std::fclose(f);
    if (!ok) throw std::runtime_error("cannot write " + path);
}
