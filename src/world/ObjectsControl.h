// The scene objects of one track block, kept in order along the road.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "world/SimpleObject.h"

class TObjects {
public:
    void Add(const std::string& modelName, const TObjectDescription& description);
    // Objects of `layer` (every layer for -1), as models or with `shadow` as shadow volumes.
    void Render(bool shadow, int layer);
    // By position y, ascending; equal positions keep their order.
    void Sort();

    int Count() const { return static_cast<int>(objects_.size()); }
    TSimpleObject& operator[](int index) const { return *objects_[index]; }

private:
    std::vector<std::unique_ptr<TSimpleObject>> objects_;
};
