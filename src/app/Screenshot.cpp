// Back-buffer screenshots written as PNG.
#include "app/Screenshot.h"

#include "platform/PngWriter.h"

#include <GL/gl.h>
#include <vector>

bool SaveScreenshot(const std::string& file, int width, int height) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    // The window's alpha is meaningless to a viewer; keep the picture opaque.
    for (size_t i = 3; i < pixels.size(); i += 4)
        pixels[i] = 255;
    return WritePng(file, width, height, pixels);
}
