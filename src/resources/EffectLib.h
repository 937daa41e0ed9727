// The sprite-effect library: each ".eff" file is loaded once by its exact name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "resources/SimpleEffect.h"

class TTextureSource;

class TEffectLib {
public:
    explicit TEffectLib(TTextureSource& textures) : textures_(textures) {}
    TEffectLib(const TEffectLib&) = delete;
    TEffectLib& operator=(const TEffectLib&) = delete;

    const TSimpleEffect* Load(const std::string& fileName);
    int EntryCount() const { return static_cast<int>(entries_.size()); }

private:
    struct TEntry {
        std::string fileName;
        std::unique_ptr<TSimpleEffect> effect;
    };
    TTextureSource& textures_;
    std::vector<TEntry> entries_;
};

extern TEffectLib* EffectLib;
