// What the table and mission loaders need from the model and sound libraries. The game
// hands them the real libraries; tests hand them stand-ins that need no GL context.
#pragma once

#include <string>

class THSAModel;

class TWorldAssets {
public:
    virtual ~TWorldAssets() = default;
    virtual THSAModel* LoadModel(const std::string& path) = 0;
    // Index of the node `name` of the model's current actor; a missing node raises the model's error.
    virtual int FindNode(THSAModel* model, const std::string& name) = 0;
    virtual int LoadSound(const std::string& path, bool looping) = 0;
};

// The game's own libraries: ModelLib (models without skinning) and SoundLib.
class TLibraryAssets : public TWorldAssets {
public:
    THSAModel* LoadModel(const std::string& path) override;
    int FindNode(THSAModel* model, const std::string& name) override;
    int LoadSound(const std::string& path, bool looping) override;
};
