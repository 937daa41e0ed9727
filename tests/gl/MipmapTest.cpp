// The levels built off the GL thread are what GLU's gluBuild2DMipmaps gives the same picture,
// level by level and byte by byte, so that no picture changes.
#include <GL/glu.h>

#include "resources/Mipmaps.h"
#include "support/GLContext.h"
#include "gtest/gtest.h"

namespace {

// Every level of the bound texture: width, height and RGBA bytes.
std::vector<TImage> ReadLevels() {
    std::vector<TImage> levels;
    for (GLint level = 0;; ++level) {
        TImage image;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &image.width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &image.height);
        if (image.width == 0) return levels;
        image.components = 4;
        image.pixels.resize(size_t(image.width) * image.height * 4);
        glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
        levels.push_back(std::move(image));
    }
}

// A picture with hard edges and a gradient, where a wrong weight or rounding shows.
TImage Picture(int width, int height, int components) {
    TImage image{width, height, components, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < components; ++k)
                image.pixels.push_back(static_cast<uint8_t>(((x / 3 + y / 5) % 2) * 200 + (x * 7 + k * 31) % 55));
    return image;
}

} // namespace

TEST(Mipmaps, LevelsAreGlusOwn) {
    TGLContext gl;
    if (!gl.Ok()) GTEST_SKIP() << "no display";
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Power-of-two sides: wide, tall, one pixel; RGB rows of odd byte counts. Other sides, which
    // GLU rescales: the menu picture's, rounded up and down, one side kept (its last row is
    // GLU's own), tiny ones.
    for (const auto& [width, height, components] :
         {std::tuple{64, 16, 4}, std::tuple{8, 32, 3}, std::tuple{1, 4, 4}, std::tuple{256, 1, 3},
          std::tuple{1024, 768, 3}, std::tuple{100, 37, 4}, std::tuple{24, 16, 4}, std::tuple{3, 5, 3},
          std::tuple{6, 1, 4}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const TImage picture = Picture(width, height, components);
        const GLenum format = components == 4 ? GL_RGBA : GL_RGB;
        GLuint textures[2];
        glGenTextures(2, textures);
        glBindTexture(GL_TEXTURE_2D, textures[0]);
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE,
                          picture.pixels.data());
        const std::vector<TImage> glu = ReadLevels();

        const std::vector<TImage> ours = BuildMipmaps(picture);
        ASSERT_EQ(ours.size(), glu.size());
        for (size_t level = 0; level < ours.size(); ++level) {
            glBindTexture(GL_TEXTURE_2D, textures[1]);
            glTexImage2D(GL_TEXTURE_2D, 0, components, ours[level].width, ours[level].height, 0, format,
                         GL_UNSIGNED_BYTE, ours[level].pixels.data());
            const TImage read = ReadLevels()[0];
            ASSERT_EQ(read.width, glu[level].width) << "level " << level;
            ASSERT_EQ(read.height, glu[level].height) << "level " << level;
            EXPECT_EQ(read.pixels, glu[level].pixels) << "level " << level;
        }
        glDeleteTextures(2, textures);
    }
}
