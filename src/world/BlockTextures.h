// How a track block reaches its textures: load, size (for texture coordinates) and bind.
// The game passes the texture library; tests pass sizes without a GL context.
#pragma once

#include <string>

class TBlockTextures {
public:
    virtual ~TBlockTextures() = default;
    // Loaded with GL_LINEAR_MIPMAP_LINEAR / GL_LINEAR.
    virtual int Load(const std::string& path) = 0;
    // Pixels; 0 when the picture could not be loaded.
    virtual int Width(int texture) const = 0;
    virtual int Height(int texture) const = 0;
    virtual void Bind(int texture) const = 0;
    // Every pixel has full alpha, so its faces need no blending (false when not known).
    virtual bool Opaque(int) const { return false; }
};

// The texture library created at start-up.
TBlockTextures& LibraryBlockTextures();
