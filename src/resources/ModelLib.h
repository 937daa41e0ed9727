// The model library: each ".hsa" path is loaded once and shared by all its users.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "resources/HSAModel.h"

class TModelLib {
public:
    explicit TModelLib(TTextureSource& textures) : textures_(textures) {}
    TModelLib(const TModelLib&) = delete;
    TModelLib& operator=(const TModelLib&) = delete;

    // The model of `path` (exact, case-sensitive). A later call for the same path returns the
    // same model whatever its `prepareSkinning`.
    THSAModel* Load(const std::string& path, bool prepareSkinning);
    int EntryCount() const { return static_cast<int>(entries_.size()); }

private:
    struct TEntry {
        std::string path;
        std::unique_ptr<THSAModel> model;
    };
    TTextureSource& textures_;
    std::vector<TEntry> entries_;
};

extern TModelLib* ModelLib;
