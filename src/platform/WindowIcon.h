// Setting the icon of an SDL window (the platform layer's own use).
#pragma once

#include "platform/Platform.h"

#include <SDL.h>

namespace platform {

void SetIconOfWindow(SDL_Window* window, const std::vector<TIconImage>& sizes);

} // namespace platform
