// The sprite-effect library: each ".eff" file is loaded once by its exact name.
#include "resources/EffectLib.h"

#include "resources/EFF.h"
#include "resources/TextureSource.h"

TEffectLib* EffectLib = nullptr;

const TSimpleEffect* TEffectLib::Load(const std::string& fileName) {
    for (const TEntry& entry : entries_)
        if (entry.fileName == fileName) return entry.effect.get();
    const TEffFile file = ReadEffFile(fileName);
    std::vector<int> frames;
    for (const std::string& frameFile : file.frameFiles)
        frames.push_back(textures_.Load(frameFile));
    entries_.push_back({fileName, std::make_unique<TSimpleEffect>(file.frameTime, std::move(frames))});
    return entries_.back().effect.get();
}
