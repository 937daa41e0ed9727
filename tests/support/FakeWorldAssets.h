// Stand-in model and sound loading for the world loaders: records what was asked for and
// hands out distinct handles, with no GL context or audio device.
#pragma once

#include "world/WorldAssets.h"

#include <deque>
#include <string>
#include <vector>

class TFakeWorldAssets : public TWorldAssets {
public:
    std::vector<std::string> models; // every LoadModel path, in call order
    std::vector<std::string> sounds; // every LoadSound path, in call order
    std::vector<bool> soundLooping;
    std::vector<std::string> nodes; // every FindNode name, in call order

    THSAModel* LoadModel(const std::string& path) override {
        models.push_back(path);
        for (size_t i = 0; i < paths_.size(); ++i)
            if (paths_[i] == path) return Handle(i);
        paths_.push_back(path);
        return Handle(paths_.size() - 1);
    }
    // Node numbers are the position of the name in the fixed part list, plus 100 per model.
    int FindNode(THSAModel* model, const std::string& name) override {
        nodes.push_back(name);
        static const char* const parts[] = {"wheel_rb", "wheel_lb", "wheel_rt", "wheel_lt",
                                            "weapon",   "smoke",    "engine",   "light_lb",
                                            "light_lf", "light_rb", "light_rf"};
        for (int i = 0; i < 11; ++i)
            if (name == parts[i]) return ModelNumber(model) * 100 + i;
        return -1;
    }
    int LoadSound(const std::string& path, bool looping) override {
        sounds.push_back(path);
        soundLooping.push_back(looping);
        return static_cast<int>(sounds.size());
    }

    // The handle LoadModel gives for `path`, or nullptr when it was never loaded.
    THSAModel* Model(const std::string& path) const {
        for (size_t i = 0; i < paths_.size(); ++i)
            if (paths_[i] == path) return const_cast<TFakeWorldAssets*>(this)->Handle(i);
        return nullptr;
    }
    int ModelNumber(THSAModel* model) const {
        for (size_t i = 0; i < slots_.size(); ++i)
            if (reinterpret_cast<const THSAModel*>(&slots_[i]) == model) return static_cast<int>(i);
        return -1;
    }

private:
    // Never dereferenced: the loaders only pass model handles on.
    THSAModel* Handle(size_t index) {
        while (slots_.size() <= index)
            slots_.emplace_back();
        return reinterpret_cast<THSAModel*>(&slots_[index]);
    }
    std::vector<std::string> paths_;
    std::deque<char> slots_;
};
