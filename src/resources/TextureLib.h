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
    // A picture of the menus or the HUD, filtered like the others. When the data holds a sharper
    // version of it ("NAME@2x.png", twice the pixels each way), Bind takes that one instead while
    // the interface is drawn larger than its pictures.
    int LoadInterfacePicture(const std::string& path);
    // Whether the interface is drawn larger than its pictures; the sharper versions load the
    // first time it is.
    void SetDetail(bool detail);
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
        std::string detailPath; // of its sharper version, when there is one
        int detail = -1;        // its index, once loaded
    };
    const TEntry* EntryAt(int index) const;
    void LoadDetail(int index);

    std::vector<TEntry> entries_;
    bool detail_ = false;
};

extern TTextureLib* TextureLib;
