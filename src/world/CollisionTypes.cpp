// Collision type names as the collision maps write them (texture names).
#include "world/CollisionTypes.h"

#include <array>
#include <iterator>

namespace {

constexpr std::array<const char*, 6> kNames = {"COL_MAINROAD", "COL_GRASS",     "COL_ROAD",
                                               "COL_BACK",     "COL_NOCONTROL", "COL_KILL"};
static_assert(std::size(kNames) == COL_KILL + 1);

} // namespace

int CollisionTypeByName(const std::string& upperName) {
    for (size_t i = 0; i < kNames.size(); ++i)
        if (upperName == kNames[i]) return static_cast<int>(i);
    return -1;
}
