// Textures for the data tests: each one named must be in the archive; nothing is uploaded, so
// models and blocks load without a GL context.
#pragma once

#include "resources/Extractor.h"
#include "resources/TextureSource.h"
#include "world/BlockTextures.h"

#include <gtest/gtest.h>
#include <string>

class TArchiveTextures : public TTextureSource, public TBlockTextures {
public:
    int Load(const std::string& path) override {
        EXPECT_GE(Extractor->FindMember(path), 0) << path << " is not in the archive";
        return ++loaded;
    }
    int Width(int) const override { return 256; }
    int Height(int) const override { return 256; }
    void Bind(int) override {}
    void Bind(int) const override {}
    int loaded = 0;
};
