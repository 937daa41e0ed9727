// JPG pictures through libjpeg: RGBA with alpha 255, bottom row first like a device-
// independent bitmap.
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "platform/Platform.h"
#include "resources/Textures.h"

namespace {

// Far beyond any texture the GL can hold; a header claiming more is a damaged file.
constexpr uint64_t kMaxPixels = uint64_t{1} << 26;

struct TJpegError {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) {
    longjmp(reinterpret_cast<TJpegError*>(info->err)->jump, 1);
}

void Quiet(j_common_ptr) {}

// libjpeg reports failure by jumping back here, so this function keeps no objects of its
// own that change after setjmp: everything it fills is the caller's.
bool Decompress(const TBytes& data, jpeg_decompress_struct& info, TJpegError& error, TBytes& row,
                TImage& image) {
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (info.output_width == 0 || info.output_height == 0 ||
        uint64_t{info.output_width} * info.output_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.components = 4;
    image.pixels.assign(size_t(image.width) * image.height * 4, 255);
    row.resize(size_t(image.width) * 3);
    while (info.output_scanline < info.output_height) {
        const size_t y = info.output_height - 1 - info.output_scanline;
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        uint8_t* target = image.pixels.data() + y * image.width * 4;
        for (int x = 0; x < image.width; ++x)
            std::memcpy(target + x * 4, row.data() + x * 3, 3);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool DecodeJPG(const TBytes& data, const std::string& path, TImageSource source, TImage& image) {
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info);
    TJpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpOut;
    error.manager.output_message = Quiet;
    TBytes row;
    TImage decoded;
    if (Decompress(data, info, error, row, decoded)) {
        image = std::move(decoded);
        return true;
    }
    if (source == TImageSource::ArchiveMember) {
        platform::MessageBox("BMP Unit", "Couldn't load JPG Resource - \"" + path + "\"");
    } else {
        platform::MessageBox("BMP Unit", "Couldn't load JPG - \"" + path + "\"");
    }
    return false;
}
