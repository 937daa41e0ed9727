// Resolution sizes and the interface scale.
#include "settings/ScreenSizes.h"

#include <algorithm>

namespace {

constexpr platform::TPoint kListedSizes[LISTED_RESOLUTION_COUNT] = {{800, 600}, {1024, 768}, {1280, 1024}};
constexpr int kLayoutHeight = 600;
constexpr float kSmallestScale = 0.5f;

} // namespace

platform::TPoint ResolutionSize(int resolution) {
    switch (resolution) {
    case DESKTOP_RESOLUTION: return platform::DesktopSize();
    case 4: return {320, 200};
    case 5: return {640, 480};
    default:
        return resolution >= 0 && resolution < LISTED_RESOLUTION_COUNT ? kListedSizes[resolution] : kListedSizes[0];
    }
}

int ListedResolutionOf(int width, int height) {
    for (int resolution = 0; resolution < LISTED_RESOLUTION_COUNT; ++resolution)
        if (kListedSizes[resolution].x == width && kListedSizes[resolution].y == height) return resolution;
    return -1;
}

float InterfaceScale(int width, int height) {
    if (ListedResolutionOf(width, height) >= 0 || height <= 0) return 1;
    return std::max(kSmallestScale, static_cast<float>(height) / kLayoutHeight);
}
