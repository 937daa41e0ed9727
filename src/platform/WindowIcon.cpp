// The window icon through SDL, and every size of it on X11. Kept apart from the rest of the
// platform code because Xlib's macros (None, Status, ...) clash with ordinary names.
#include "platform/WindowIcon.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>

namespace platform {

void SetIconOfWindow(SDL_Window* window, const std::vector<TIconImage>& sizes) {
    if (sizes.empty()) return;
    const auto largest =
        std::max_element(sizes.begin(), sizes.end(), [](const TIconImage& a, const TIconImage& b) {
            return a.width * a.height < b.width * b.height;
        });
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(largest->rgba.data()), largest->width,
                                           largest->height, 32, largest->width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);

    // SDL hands over one picture; an X11 window can carry every size, so small ones stay sharp.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    std::vector<unsigned long> cardinals; // width, height, then ARGB pixels, per size
    for (const TIconImage& icon : sizes) {
        cardinals.push_back(static_cast<unsigned long>(icon.width));
        cardinals.push_back(static_cast<unsigned long>(icon.height));
        for (size_t i = 0; i + 3 < icon.rgba.size(); i += 4)
            cardinals.push_back(static_cast<unsigned long>(icon.rgba[i + 3]) << 24 |
                                static_cast<unsigned long>(icon.rgba[i]) << 16 |
                                static_cast<unsigned long>(icon.rgba[i + 1]) << 8 | icon.rgba[i + 2]);
    }
    Display* display = info.info.x11.display;
    XChangeProperty(display, info.info.x11.window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL,
                    32, PropModeReplace, reinterpret_cast<const unsigned char*>(cardinals.data()),
                    static_cast<int>(cardinals.size()));
    XFlush(display);
}

} // namespace platform
