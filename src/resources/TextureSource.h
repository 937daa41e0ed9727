// How models and sprite effects reach textures: load by path (mipmapped, linear filtering)
// and bind. The game passes the texture library; tests pass a source that needs no GL.
#pragma once

#include <string>

class TTextureSource {
public:
    virtual ~TTextureSource() = default;
    // The texture index of `path`, loaded with GL_LINEAR_MIPMAP_LINEAR / GL_LINEAR.
    virtual int Load(const std::string& path) = 0;
    virtual void Bind(int texture) = 0;
};

// The game's source: the texture library created at start-up.
TTextureSource& LibraryTextures();
