// The texture library as the texture source of models and sprite effects.
#include "resources/TextureSource.h"

#include <GL/gl.h>

#include "resources/TextureLib.h"

namespace {

class TLibraryTextures : public TTextureSource {
public:
    int Load(const std::string& path) override {
        return TextureLib->Load(path, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    }
    void Bind(int texture) override { TextureLib->Bind(texture); }
};

} // namespace

TTextureSource& LibraryTextures() {
    static TLibraryTextures textures;
    return textures;
}
