// PNG pictures through DevIL. No origin mode is set, so rows arrive as the file stores
// them, top row first.
#include "resources/OpenIL.h"

#include <IL/il.h>

#include "app/Error.h"
#include "resources/Textures.h"

void InitIL() {
    ilInit();
}

bool DecodePNG(const TBytes& data, const std::string& path, TImage& image) {
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    if (!ilLoadL(IL_PNG, data.data(), static_cast<ILuint>(data.size()))) {
        ilDeleteImages(1, &name);
        ImageMessageBox("PNG Unit", "Couldn't load PNG - \"" + path + "\"");
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
