// The model library: each ".hsa" path is loaded once and shared by all its users.
#include "resources/ModelLib.h"

TModelLib* ModelLib = nullptr;

THSAModel* TModelLib::Load(const std::string& path, bool prepareSkinning) {
    for (const TEntry& entry : entries_)
        if (entry.path == path) return entry.model.get();
    auto model = std::make_unique<THSAModel>(textures_);
    // Cached only once loaded, so a failed load is not handed out half-built later.
    model->Load(path, prepareSkinning);
    entries_.push_back({path, std::move(model)});
    return entries_.back().model.get();
}
