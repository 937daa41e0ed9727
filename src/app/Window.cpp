// The OpenGL window: creation, teardown, resizing and its messages.
#include "app/Window.h"

#include "app/Globals.h"
#include "resources/DataPath.h"
#include "resources/Out2D.h"
#include "resources/TextureLib.h"
#include "resources/Textures.h"
#include "settings/ScreenSizes.h"

namespace {

constexpr char ErrorCaption[] = "Error";

void Fail(bool fullScreen, const char* text) {
    DestroyGLWindow(fullScreen);
    platform::MessageBox(ErrorCaption, text);
}

} // namespace

bool CreateGLWindow(int width, int height, bool fullScreen, int colourDepth, bool borderless, bool withDepth) {
    if (!platform::InitVideo()) {
        platform::MessageBox(ErrorCaption, "Failed to register the window class!");
        return false;
    }
    if (fullScreen && !platform::SwitchToFullScreen(width, height, colourDepth)) {
        platform::MessageBox(ErrorCaption, "Unable to switch to fullscreen!");
        fullScreen = false;
    }
    switch (platform::CreateWindow("Kestrova", width, height, fullScreen, borderless, withDepth)) {
    case platform::WindowResult::Ok: break;
    case platform::WindowResult::VideoFailed:
    case platform::WindowResult::WindowFailed: Fail(fullScreen, "Unable to create window!"); return false;
    case platform::WindowResult::PixelFormatFailed:
        Fail(fullScreen, "Unable to find a suitable pixel format");
        return false;
    case platform::WindowResult::ContextFailed:
        Fail(fullScreen, "Unable to create an OpenGL rendering context");
        return false;
    case platform::WindowResult::ContextActivateFailed:
        Fail(fullScreen, "Unable to activate OpenGL rendering context");
        return false;
    }
    platform::FocusWindow();
    const platform::TPoint client = platform::ClientSize();
    ResizeGLScene(client.x, client.y);
    return true;
}

void DestroyGLWindow(bool restoreDisplay) {
    if (restoreDisplay) platform::ShowCursor(true);
    if (!platform::DestroyContext()) platform::MessageBox(ErrorCaption, "Release of DC and RC failed!");
    platform::DestroyWindow();
}

namespace {

constexpr const char* kIconFiles[] = {"Data\\Menu\\Icon32.png", "Data\\Menu\\Icon256.png"};

} // namespace

void DecodeWindowIconAhead() {
    for (const char* name : kIconFiles)
        TextureLib->DecodeAhead(DataPath(name));
}

void LoadWindowIcon() {
    std::vector<platform::TIconImage> sizes;
    for (const char* name : kIconFiles) {
        TImage image;
        if (!TextureLib->TakeAhead(DataPath(name), image)) continue;
        platform::TIconImage icon{image.width, image.height, {}};
        for (size_t i = 0; i < image.pixels.size(); i += image.components) {
            icon.rgba.insert(icon.rgba.end(), image.pixels.begin() + i, image.pixels.begin() + i + 3);
            icon.rgba.push_back(image.components == 4 ? image.pixels[i + 3] : 255);
        }
        sizes.push_back(std::move(icon));
    }
    platform::SetWindowIcon(sizes);
}

void ResizeGLScene(int width, int height) {
    if (width <= 0 || height <= 0) return;
    PixelScaleX = 2.0f / width;
    PixelScaleY = 2.0f / height;
    HalfWidth = width / 2;
    HalfHeight = height / 2;
    Viewport = {0, 0, width, height};
    ApplyInterfaceScale(width, height);
}

void ApplyInterfaceScale(int width, int height) {
    const float scale = InterfaceScale(width, height);
    if (Out2D) Out2D->SetScale(scale);
    if (TextureLib) TextureLib->SetDetail(scale > 1);
}

void HandleCloseRequest() {
    MenuActive = true;
    if (CurrentMenuPage != PAGE_LAST_SCREEN && CurrentMenuPage != PAGE_STAGE_COMPLETE)
        CurrentMenuPage = PAGE_EXIT;
}

void HandleWindowMessage(const platform::TMessage& message) {
    switch (message.kind) {
    case platform::Message::Size: ResizeGLScene(message.width, message.height); break;
    case platform::Message::Close: HandleCloseRequest(); break;
    case platform::Message::Quit: QuitFlag = true; break;
    default: break;
    }
}
