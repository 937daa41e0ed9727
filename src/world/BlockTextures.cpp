// Track block textures from the texture library.
#include "world/BlockTextures.h"

#include <GL/gl.h>

#include "resources/TextureLib.h"

namespace {

class TLibraryBlockTextures : public TBlockTextures {
public:
    int Load(const std::string& path) override {
        return TextureLib->Load(path, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    }
    int Width(int texture) const override { return TextureLib->Width(texture); }
    int Height(int texture) const override { return TextureLib->Height(texture); }
    void Bind(int texture) const override { TextureLib->Bind(texture); }
    bool Opaque(int texture) const override { return TextureLib->Opaque(texture); }
};

} // namespace

TBlockTextures& LibraryBlockTextures() {
    static TLibraryBlockTextures textures;
    return textures;
}
