// The scene object list of a track block.
#include "world/ObjectsControl.h"

#include <algorithm>

void TObjects::Add(const std::string& modelName, const TObjectDescription& description) {
    objects_.push_back(std::make_unique<TSimpleObject>(modelName, description));
}

void TObjects::Render(bool shadow, int layer) {
    for (const auto& object : objects_)
        if (layer == -1 || layer == object->Layer()) object->Render(shadow);
}

void TObjects::Sort() {
    std::stable_sort(objects_.begin(), objects_.end(),
                     [](const auto& a, const auto& b) { return a->Position().y < b->Position().y; });
}
