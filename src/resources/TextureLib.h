// The texture library: every picture the game draws is loaded once per path and filter
// pair and named by a small index for the rest of the run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TTextureLib {
public:
    // Same path (letter case counts) and same filters give the same index again.
    // Callers pass GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR except for the start-up logo.
    int Load(const std::string& path, int minFilter, int magFilter);
    // An index the library never handed out binds no texture.
    void Bind(int index) const;
    int Width(int index) const;
    int Height(int index) const;
    // Every pixel has full alpha (false when the picture could not be loaded).
    bool Opaque(int index) const;
    // The GL texture object; 0 when the picture could not be loaded.
    uint32_t TextureName(int index) const;

private:
    struct TEntry {
        std::string path;
        uint32_t textureName = 0;
        int minFilter = 0;
        int magFilter = 0;
        int width = 0;
        int height = 0;
        int referenceCount = 0;
        bool opaque = false;
    };
    const TEntry* EntryAt(int index) const;

    std::vector<TEntry> entries_;
};

extern TTextureLib* TextureLib;
