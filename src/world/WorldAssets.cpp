// World loaders' assets from the game's model and sound libraries.
#include "world/WorldAssets.h"

#include "resources/ModelLib.h"
#include "resources/SoundLib.h"

THSAModel* TLibraryAssets::LoadModel(const std::string& path) {
    return ModelLib->Load(path, false);
}

int TLibraryAssets::FindNode(THSAModel* model, const std::string& name) {
    return model->FindNode(name);
}

int TLibraryAssets::LoadSound(const std::string& path, bool looping) {
    return SoundLib->LoadSample(path, looping);
}
